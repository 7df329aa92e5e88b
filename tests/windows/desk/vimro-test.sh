#!/usr/bin/env bash
# vimro.exe against the real VimroDesk under Wine, in a Wine prefix of its own
# (<build>/wine-vimro): the engine registered and Pip installed, "vimro show Pip" starts the
# companion, "vimro say Pip Hello --wait" returns once the balloon is done, the latency of
# "vimro say" to the balloon on screen, "vimro quit" ends the companion.
#   vimro-test.sh BUILD_DIR
# Prints "VIMRO TEST PASSED" at the end, "FAIL: ..." for the first step that failed.
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../../.." && pwd)
runner=$root/cmake/wine-run.sh
export VIMRO_WINE_STATE=$build/wine-vimro
trap '"$root/cmake/wine-stop.sh" "$VIMRO_WINE_STATE"' EXIT

winpath() { local path=$1; echo "Z:${path//\//\\}"; }
fail() { echo "FAIL: $*"; exit 1; }
# vimro's standard output and error, and its exit code, in $out and $code.
vimro() {
  "$runner" "$build/bin/vimro.exe" "$@" >"$VIMRO_WINE_STATE/vimro.out" 2>&1
  code=$?
  out=$(tr -d '\r' <"$VIMRO_WINE_STATE/vimro.out")
  echo "vimro $*: [$code] $out"
}

"$runner" regsvr32 /s "$(winpath "$build/bin/VimroGE.dll")" || fail "regsvr32"
"$runner" reg delete 'HKCU\Software\VimroDesk' /f >/dev/null 2>&1
"$runner" cscript //nologo "$(winpath "$root/packaging/windows/install-character.vbs")" \
  "$(winpath "$build/samples/Pip.rux")" >/dev/null || fail "installing Pip"

vimro status
[ "$code" = 1 ] && [[ "$out" == "not running, pipe \\\\.\\pipe\\VimroDesk-"* ]] || fail "status before the start: $out"
vimro show Pip
[ "$code" = 0 ] && [ "$out" = ok ] || fail "show Pip started no companion: $out"
vimro say Pip Hello --wait
[ "$code" = 0 ] && [[ "$out" == "done (request "*")" ]] || fail "say --wait: $out"
vimro play Pip NoSuchAnimation
[ "$code" = 1 ] && [ "$out" = 'Pip has no animation "NoSuchAnimation"' ] || fail "play of a missing animation: $out"
vimro list
[[ "$out" == *"Pip: shown at "* ]] && [ "$(echo "$out" | wc -l)" = 1 ] || fail "list: $out"
"$runner" "$build/bin/vimro_latency.exe" 10 | tr -d '\r' || fail "latency"
vimro quit
[ "$code" = 0 ] && [ "$out" = ok ] || fail "quit: $out"
sleep 1
vimro status
[ "$code" = 1 ] || fail "the companion still runs after quit"
echo "VIMRO TEST PASSED"
