#!/usr/bin/env bash
# The Windows ZIP as a user meets it, in a fresh Wine prefix: unpacked, register.cmd,
# install-character.vbs on the samples, a script client that loads and plays the characters,
# the SDK's example client built from the package's sdk folder alone and run; then
# remove-character.vbs, unregister.cmd, and the same for the per-user registration.
#   package-test.sh BUILD_DIR CPACK_COMMAND CLIENT_SCRIPT PLATFORM C_COMPILER CXX_COMPILER
# Prints "PACKAGE TEST PASSED" at the end, "FAIL: ..." for the first step that failed.
set -u
build=$1 cpack=$2 client=$3 platform=$4 cc=$5 cxx=$6
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$build/package-test
runner=$root/cmake/wine-run.sh
rm -rf "$work"
mkdir -p "$work"
export VIMRO_WINE_STATE=$work/wine
[ "$platform" = win32 ] && export VIMRO_WINEARCH=win32
# The prefix is large: only the logs stay.
trap '"$root/cmake/wine-stop.sh" "$VIMRO_WINE_STATE"; rm -rf "$work/wine" "$work/unpacked" "$work/example"' EXIT

. "$root/packaging/tests/wine-steps.sh"

step "cpack -G ZIP"
(cd "$build" && "$cpack" -G ZIP -B "$work/zip") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
zip=$(ls "$work"/zip/VimroGE-*-"$platform".zip 2>/dev/null | head -1)
[ -n "$zip" ] || fail "no VimroGE-*-$platform.zip in $work/zip"
step "unpacking $(basename "$zip")"
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip") || fail "unpacking"
folder=$(ls -d "$work"/unpacked/VimroGE-*)
for file in VimroGE.dll Tarvel.exe ruxtool.exe vgedemo.exe VimroDesk.exe vimro.exe register.cmd unregister.cmd install-character.vbs \
  remove-character.vbs README.txt samples/Pip.rux samples/Ball.rux samples/sounds/step.wav samples/sounds/bark.wav \
  samples/sounds/kick.wav samples/sounds/bounce.wav docs/client-guide.md docs/author-guide.md; do
  [ -f "$folder/$file" ] || fail "the package has no $file"
done
grep -q $'\r$' "$folder/register.cmd" || fail "register.cmd has no Windows line ends"

step "register.cmd"
run register.log cmd /c "$(winpath "$folder/register.cmd")" || fail "register.cmd failed"
grep -q '^Registered' "$work/register.log" || fail "register.cmd did not say it registered"
step "install-character.vbs samples"
run install.log cscript //nologo "$(winpath "$folder/install-character.vbs")" "$(winpath "$folder/samples")" ||
  fail "install-character.vbs failed"
grep -q '^installed Pip from' "$work/install.log" || fail "Pip was not installed"
grep -q '^installed Ball from' "$work/install.log" || fail "Ball was not installed"
step "a script client loads and plays them"
run client.log cscript //nologo "$(winpath "$client")"
grep -q 'ALL CHECKS PASSED' "$work/client.log" || fail "the script client's checks"
step "the SDK's example client, built from the package alone"
sdk=$folder/sdk
for file in VimroGE.idl VimroGE.h VimroGE_i.c VimroGE.tlb examples/CMakeLists.txt examples/WalkClient.cpp \
  examples/WalkClientImport.cpp; do
  [ -f "$sdk/$file" ] || fail "the package has no sdk/$file"
done
example=$work/example
cmake -S "$sdk/examples" -B "$example" -G Ninja -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_C_COMPILER="$cc" \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  >"$work/example-configure.log" 2>&1 || { cat "$work/example-configure.log"; fail "configuring the SDK example"; }
cmake --build "$example" >"$work/example-build.log" 2>&1 || { cat "$work/example-build.log"; fail "building the SDK example"; }
# The compiler saw the sdk folder and nothing else of ours.
includes=$(grep -oE -- '(-I|-isystem )[^ "]+' "$example/compile_commands.json" | sed -E 's/^(-I|-isystem )//' | sort -u)
[ "$includes" = "$sdk" ] || fail "the example's include paths are not the sdk folder alone: $includes"
run example.log "$example/walk_client.exe" Pip || fail "the SDK example client failed"
grep -q '^RequestStart(1)' "$work/example.log" || fail "the example's sink saw no RequestStart(1)"
grep -q 'request 1 completed at x 420; the sink saw its completion' "$work/example.log" ||
  fail "the example's walk did not end where it should, or its sink missed the completion"

step "ruxtool.exe from the package"
run ruxtool.log "$folder/ruxtool.exe" check "$(winpath "$folder/samples/Pip.rux")" || fail "ruxtool check"

step "remove-character.vbs Pip Ball, unregister.cmd"
run remove.log cscript //nologo "$(winpath "$folder/remove-character.vbs")" Pip Ball || fail "remove-character.vbs"
grep -q '^removed Ball: 1 file' "$work/remove.log" || fail "Ball was not removed"
run unregister.log cmd /c "$(winpath "$folder/unregister.cmd")" || fail "unregister.cmd failed"
run removed.log cscript //nologo "$(winpath "$client")" removed
grep -q 'ALL CHECKS PASSED' "$work/removed.log" || fail "the engine is still registered"

step "register.cmd /user, unregister.cmd /user"
user_key='HKCU\Software\Classes\VimroGE.GraphicEngine\CLSID'
run user-register.log cmd /c "$(winpath "$folder/register.cmd")" /user || fail "register.cmd /user failed"
run user-query.log reg query "$user_key" || fail "no per-user registration below HKCU\\Software\\Classes"
run user-unregister.log cmd /c "$(winpath "$folder/unregister.cmd")" /user || fail "unregister.cmd /user failed"
run user-gone.log reg query "$user_key" && fail "the per-user registration is still there"
echo "PACKAGE TEST PASSED"
