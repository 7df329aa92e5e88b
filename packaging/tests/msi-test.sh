#!/usr/bin/env bash
# The MSI as a user meets it, in a fresh Wine prefix: msiexec /i /qn installs per user; the
# .rux type, the Start-menu entries and the samples' list entries are there (another
# character's entry stays); an upgrade to a higher version leaves one product; msiexec /x
# brings the registry and the folders back to what they were. Then per machine (ALLUSERS=1)
# the script client loads and plays the samples, and the removal again leaves nothing. Last,
# the per-user class entries equal what "regsvr32 /n /i:user" writes.
#   msi-test.sh BUILD_DIR PLATFORM CLIENT_SCRIPT
# Prints "MSI TEST PASSED" at the end, "FAIL: ..." for the first step that failed.
set -u
build=$(cd "$1" && pwd) platform=$2 client=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$build/msi-test
runner=$root/cmake/wine-run.sh
user_folder=VimroGE
[ "$platform" = win32 ] && user_folder="VimroGE (x86)"
rm -rf "$work"
mkdir -p "$work"
export VIMRO_WINE_STATE=$work/wine
[ "$platform" = win32 ] && export VIMRO_WINEARCH=win32
# No desktop entries on the host for the shortcuts the package makes.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
trap '"$root/cmake/wine-stop.sh" "$VIMRO_WINE_STATE"; rm -rf "$work/wine" "$work/extracted"' EXIT

. "$root/packaging/tests/wine-steps.sh"
# Our class entries of the user's classes: what DllInstall "user" writes, but the type
# library's HELPDIR, which the packages leave out (SharedRegistration.wxi).
our_classes() {
  awk '/^\[/ { ours = ($0 ~ /^\[HKEY_CURRENT_USER\\Software\\Classes\\(CLSID\\|Interface\\|Typelib\\|VimroGE\.(Graphic|Character[.\]])).*\]$/); key = $0 }
       ours { print (/^\[/ ? $0 : key " " $0) }' "$1" | grep -v '\\HELPDIR\]' | sort -u
}

step "building the packages"
msi=$("$root/packaging/msi/build-msi.sh" "$build" "$platform" "$work/msi" 2>"$work/wixl.log") || { cat "$work/wixl.log"; fail "build-msi.sh"; }
next_msi=$("$root/packaging/msi/build-msi.sh" "$build" "$platform" "$work/msi-next" 99.0.0 2>>"$work/wixl.log") ||
  fail "build-msi.sh for version 99.0.0"
step "registry before"
# The script host registers its own type library on its first run: that run comes first.
run not-installed.log cscript //nologo "$(winpath "$client")" removed
grep -q 'ALL CHECKS PASSED' "$work/not-installed.log" || fail "the engine can be created before the install"
# Every Windows user has a Run key (VimroDesk's "Start with Windows" writes a value into it).
run run-key.log reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /f || fail "making the Run key"
export_key HKCU user-before
export_key 'HKLM\Software' machine-before
# Another character's entry, made before the install: it must stay where it is.
other=$work/other/Other.rux
mkdir -p "$work/other"
cp "$build/samples/Ball.rux" "$other" || fail "no samples/Ball.rux in the build"
run reg-other.log reg add 'HKCU\Software\Orvane\RUX' /v File_1 /d "$(winpath "$other")" /f || fail "adding another entry"
export_key HKCU user-before

step "msiexec /i $(basename "$msi") /qn"
start=$(date +%s.%N)
run install.log msiexec /i "$(winpath "$msi")" /qn || fail "msiexec /i exited with $?"
install_seconds=$(echo "$(date +%s.%N) - $start" | bc)
folder=$(ls -d "$VIMRO_WINE_STATE"/prefix/drive_c/users/*/AppData/Local/Programs/"$user_folder" 2>/dev/null)
[ -n "$folder" ] || fail "nothing in %LOCALAPPDATA%\\Programs\\$user_folder"
winfolder="C:$(echo "${folder#*/drive_c}" | tr / '\\')"
for file in VimroGE.dll Tarvel.exe ruxtool.exe vgedemo.exe VimroDesk.exe vimro.exe samples/Pip.rux samples/sounds/step.wav \
  docs/client-guide.md sdk/VimroGE.idl sdk/examples/CMakeLists.txt; do
  [ -f "$folder/$file" ] || fail "the install has no $file"
done
menu_folder=VimroGE
[ "$platform" = win32 ] && menu_folder="VimroGE (32-bit)"
menu=$(ls -d "$VIMRO_WINE_STATE"/prefix/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/"$menu_folder")
for link in Tarvel "VimroGE demo" "VimroGE guides" VimroDesk; do
  [ -f "$menu/$link.lnk" ] || fail "no Start-menu entry $link"
done
run list.log reg query 'HKCU\Software\Orvane\RUX'
grep -q 'File_1 .*Other.rux' "$work/list.log" || fail "the other entry moved"
grep -q 'File_2 .*samples\\Pip.rux' "$work/list.log" || fail "Pip is not File_2"
grep -q 'File_3 .*samples\\Ball.rux' "$work/list.log" || fail "Ball is not File_3"

step "the .rux file type"
run rux.log reg query 'HKCU\Software\Classes\.rux' || fail "no .rux below HKCU\\Software\\Classes"
progid=VimroGE.CharacterFile.$platform
grep -q "$progid" "$work/rux.log" || fail ".rux is not $progid"
run open-with.log reg query 'HKCU\Software\Classes\.rux\OpenWithProgids' /v "$progid" || fail "$progid is not among the .rux programs"
run open.log reg query "HKCU\\Software\\Classes\\$progid\\shell\\open\\command" || fail "no open command"
grep -q 'Tarvel.exe" "%1"' "$work/open.log" || fail "open is not Tarvel"
run icon.log reg query "HKCU\\Software\\Classes\\$progid\\DefaultIcon" || fail "no icon"
run verb.log reg query "HKCU\\Software\\Classes\\$progid\\shell\\install\\command" || fail "no Install character verb"
grep -q 'ruxtool.exe" install "%1"' "$work/verb.log" || fail "the verb does not run ruxtool install"
# The verb on a file already listed keeps the list as it is.
run verb-run.log "$folder/ruxtool.exe" install "$winfolder\\samples\\pip.rux" || fail "ruxtool install"
grep -q 'already installed as File_2' "$work/verb-run.log" || fail "installing a listed file twice"

step "the registration equals regsvr32's"
export_key HKCU user-msi
our_classes "$work/user-msi.txt" >"$work/classes-msi.txt"
[ "$(grep -c . "$work/classes-msi.txt")" -gt 50 ] || fail "few class entries below HKCU\\Software\\Classes"

step "an upgrade to 99.0.0 leaves one product"
run upgrade.log msiexec /i "$(winpath "$next_msi")" /qn || fail "the upgrade exited with $?"
# Wherever msiexec keeps the entries of installed programs.
{ run products-machine.log reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s
  run products-user.log reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s
} >"$work/products.log"
[ "$(grep -c 'DisplayName.*VimroGE' "$work/products.log")" -eq 1 ] || fail "not one VimroGE among the installed programs"
grep -q 'DisplayVersion.*99.0.0' "$work/products.log" || fail "the installed version is not 99.0.0"
run list-upgraded.log reg query 'HKCU\Software\Orvane\RUX'
[ "$(grep -c 'File_' "$work/list-upgraded.log")" -eq 3 ] || fail "the upgrade changed the number of list entries"

step "VimroDesk's state and Run entry, as a user leaves them"
run desk-state.log reg add 'HKCU\Software\VimroDesk\Characters' /v Pip /d "shown 300 400" /f || fail "writing a place"
run desk-run.log reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v VimroDesk \
  /d "\"$winfolder\\VimroDesk.exe\"" /f || fail "writing the Run entry"

step "msiexec /x /qn"
start=$(date +%s.%N)
run remove.log msiexec /x "$(winpath "$next_msi")" /qn || fail "msiexec /x exited with $?"
remove_seconds=$(echo "$(date +%s.%N) - $start" | bc)
[ ! -e "$folder" ] || fail "the install folder is still there: $(find "$folder" | head -5)"
[ ! -e "$menu" ] || fail "the Start-menu folder is still there"
export_key HKCU user-after
export_key 'HKLM\Software' machine-after
diff "$work/user-before.txt" "$work/user-after.txt" >"$work/user.diff" || { head -40 "$work/user.diff"; fail "HKCU differs from before the install"; }
diff "$work/machine-before.txt" "$work/machine-after.txt" >"$work/machine.diff" || { head -40 "$work/machine.diff"; fail "HKLM\\Software differs from before the install"; }

step "per machine: msiexec /i ALLUSERS=1 /qn, the script client, msiexec /x"
run machine-install.log msiexec /i "$(winpath "$msi")" ALLUSERS=1 /qn || fail "msiexec /i ALLUSERS=1 exited with $?"
machine_folder="$VIMRO_WINE_STATE/prefix/drive_c/Program Files/VimroGE"
# The 32-bit package in a 64-bit prefix (the 32-bit tests run in a 32-bit one).
[ "$platform" = win32 ] && [ -d "$VIMRO_WINE_STATE/prefix/drive_c/Program Files (x86)" ] &&
  machine_folder="$VIMRO_WINE_STATE/prefix/drive_c/Program Files (x86)/VimroGE"
[ -f "$machine_folder/VimroGE.dll" ] || fail "nothing in Program Files\\VimroGE"
run machine-classes.log reg query 'HKLM\Software\Classes\VimroGE.GraphicEngine\CurVer' || fail "no classes below HKLM"
# Wine's COM reads the machine's classes only, so the client runs against this install.
"$runner" cscript //nologo "$(winpath "$client")" >"$work/client.log" 2>&1 || :
# The client counts the listed characters: the other entry makes a third.
sed -i '/FAIL: two characters installed/d' "$work/client.log"
grep -q '^FAIL' "$work/client.log" && { cat "$work/client.log"; fail "the script client's checks"; }
echo "the script client: $(grep -c '^PASS' "$work/client.log") checks passed"
grep -q 'PASS: the walk completed' "$work/client.log" || fail "no walk"
run machine-remove.log msiexec /x "$(winpath "$msi")" ALLUSERS=1 /qn || fail "msiexec /x of the per-machine install exited with $?"
[ ! -e "$machine_folder" ] || fail "Program Files\\VimroGE is still there"
export_key HKCU user-after-machine
export_key 'HKLM\Software' machine-after-machine
diff "$work/user-before.txt" "$work/user-after-machine.txt" || fail "HKCU differs after the per-machine removal"
diff "$work/machine-before.txt" "$work/machine-after-machine.txt" || fail "HKLM\\Software differs after the per-machine removal"

step "regsvr32 /n /i:user on the same DLL"
msiextract -C "$work/extracted" "$msi" >/dev/null || fail "msiextract"
dll=$(find "$work/extracted" -name VimroGE.dll | head -1)
[ -n "$dll" ] || fail "no VimroGE.dll in the package"
# The same folder as the install's, so that the paths compare.
mkdir -p "$folder" && cp "$dll" "$folder/VimroGE.dll"
run regsvr32.log regsvr32 /s /n /i:user "$winfolder\\VimroGE.dll" || fail "regsvr32 /i:user"
export_key HKCU user-regsvr32
our_classes "$work/user-regsvr32.txt" >"$work/classes-regsvr32.txt"
diff "$work/classes-regsvr32.txt" "$work/classes-msi.txt" >"$work/classes.diff" ||
  { cat "$work/classes.diff"; fail "the MSI's class entries differ from regsvr32's"; }

echo "install ${install_seconds}s, removal ${remove_seconds}s under Wine"
echo "MSI TEST PASSED"
