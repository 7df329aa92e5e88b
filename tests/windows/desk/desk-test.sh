#!/usr/bin/env bash
# VimroDesk as a user meets it, in a Wine prefix of its own (<build>/wine-desk): the engine
# registered and Pip and Ball installed, VimroDesk starts (a second start ends at once), its
# tray menu opens and shows Pip, "vimro say" makes him speak, Pip is dragged elsewhere, Exit, VimroDesk starts again and Pip
# is back where he was; the companion's CPU with Pip idle; "VimroDesk --forget" ends it and
# leaves nothing in the registry. Screenshots go to <build>/desk-shots.
#   desk-test.sh BUILD_DIR
# Prints "DESK TEST PASSED" at the end, "FAIL: ..." for the first step that failed.
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../../.." && pwd)
runner=$root/cmake/wine-run.sh
export VIMRO_WINE_STATE=$build/wine-desk
shots=$build/desk-shots
mkdir -p "$shots"
trap '"$root/cmake/wine-stop.sh" "$VIMRO_WINE_STATE"' EXIT

winpath() { local path=$1; echo "Z:${path//\//\\}"; }
fail() { echo "FAIL: $*"; exit 1; }
step() { echo "== $*"; }
driver() { "$runner" "$build/bin/desk_driver.exe" "$@" 2>/dev/null | tr -d '\r'; }
shot() { import -display ":$(cat "$VIMRO_WINE_STATE/display")" -window root "$shots/$1.png" && echo "screenshot $1.png"; }
place() { "$runner" reg query 'HKCU\Software\VimroDesk\Characters' /v Pip 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
start_desk() {
  "$runner" "$build/bin/VimroDesk.exe" >/dev/null 2>&1 &
  desk=$!
  driver wait-companion | grep -q 'companion up' || fail "VimroDesk's window did not come up"
}

step "the engine registered, Pip and Ball installed, no saved state"
"$runner" regsvr32 /s "$(winpath "$build/bin/VimroGE.dll")" || fail "regsvr32"
"$runner" reg delete 'HKCU\Software\Orvane\RUX' /f >/dev/null 2>&1
"$runner" reg delete 'HKCU\Software\VimroDesk' /f >/dev/null 2>&1
"$runner" cscript //nologo "$(winpath "$root/packaging/windows/install-character.vbs")" \
  "$(winpath "$build/samples/Pip.rux")" "$(winpath "$build/samples/Ball.rux")" >/dev/null || fail "installing Pip"

step "VimroDesk starts; a second start ends at once and quietly"
start_desk
timeout 30 "$runner" "$build/bin/VimroDesk.exe" >"$shots/second.log" 2>&1
status=$?
[ $status = 0 ] || fail "the second VimroDesk ended with $status"
kill -0 "$desk" 2>/dev/null || fail "the first VimroDesk ended"
echo "the second start ended with 0, the first runs on"

step "the tray menu shows the installed characters; its first item shows Pip"
menu=$(driver open-menu)
echo "$menu"
echo "$menu" | grep -q 'menu' || fail "the tray menu: $menu"
sleep 0.5
shot desk-tray-menu
chosen=$(driver keys-choose-first)
if ! echo "$chosen" | grep -q chosen; then
  echo "the keyboard did not reach the menu ($chosen): WM_COMMAND 1000, the first item's command, instead"
  driver command 1000 >/dev/null
fi
before=$(driver character)
echo "$before"
echo "$before" | grep -q '^character' || fail "Pip is not shown"
sleep 1.5
first_place=$(place)
echo "saved: $first_place"
echo "$first_place" | grep -q '^shown ' || fail "no saved place for Pip"
shot desk-pip
said=$("$runner" "$build/bin/vimro.exe" say Pip "Hello! I live on your desktop now." 2>/dev/null | tr -d '\r')
echo "vimro say: $said"
echo "$said" | grep -q '^queued' || fail "vimro say: $said"
sleep 1.5
shot desk-pip-speaking
"$runner" "$build/bin/vimro.exe" list 2>/dev/null | tr -d '\r'

step "Quiet (nothing moves by itself from here), Pip dragged up and left"
driver command 102 >/dev/null
read -r _ left top right bottom <<<"$before"
read -r _ x y <<<"$first_place"
driver drag "$x" "$((y - 40))" -300 -200
sleep 1.5
dragged=$(driver character)
dragged_place=$(place)
echo "$dragged, saved: $dragged_place"
[ "$dragged_place" != "$first_place" ] || fail "the drag did not move Pip (still $first_place)"

step "Exit from the menu, VimroDesk again: Pip is back where he was"
driver command 104 >/dev/null
driver wait-gone | grep -q gone || fail "Exit did not end VimroDesk"
wait "$desk"
start_desk
again=$(driver character)
echo "$again, saved: $(place)"
[ "$again" = "$dragged" ] || fail "Pip came back at $again, not at $dragged"
shot desk-pip-again

step "CPU of the companion with Pip idle: Quiet, then living"
driver cpu 30
driver command 102 >/dev/null
driver cpu 60

step "VimroDesk --forget (the package's removal) ends it and removes its state"
"$runner" "$build/bin/VimroDesk.exe" --forget
driver wait-gone | grep -q gone || fail "--forget left VimroDesk running"
wait "$desk"
"$runner" reg query 'HKCU\Software\VimroDesk' >/dev/null 2>&1 && fail "HKCU\\Software\\VimroDesk is still there"
echo "DESK TEST PASSED"
