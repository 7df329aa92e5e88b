#!/usr/bin/env bash
# The 64-bit and the 32-bit MSI side by side in one 64-bit Wine prefix, as a user of 32-bit and
# 64-bit clients meets them:
#   per user: both installed, each DLL in its own folder with its own bitness, each bitness's
#     class entries in its own registry view, the shared ProgIDs, type library and .rux type
#     holding both; an upgrade of the 64-bit package leaves the 32-bit one; each removal leaves
#     the other whole, and the last leaves the registry as it was (no empty keys of ours);
#   per machine: a 64-bit and a 32-bit client each play Pip, each package removed in turn with
#     the other's client still playing;
#   the samples: a failed install rolls their list entries back, and an install folder whose
#     name the ANSI code page cannot hold still installs, with entries the engine can load.
# Where this machine cannot run 32-bit programs, the 32-bit clients and the 32-bit package's
# own sample registration (a 32-bit ruxtool) are not run, and the test says so; everything
# else (64-bit msiexec installs the 32-bit package's files and registry) is checked.
#   msi-side-by-side-test.sh BUILD_DIR_64 BUILD_DIR_32 CLIENT_SCRIPT
# Prints "SIDE BY SIDE TEST PASSED" at the end, "FAIL: ..." for the first step that failed;
# exits 77 (skipped) when the 32-bit build tree has no programs.
set -u
build64=$(cd "$1" && pwd) build32=$2 client=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$build64/msi-side-by-side
runner=$root/cmake/wine-run.sh
if [ ! -f "$build32/bin/VimroGE.dll" ] || [ ! -f "$build32/bin/ruxtool.exe" ]; then
  echo "SKIPPED: no 32-bit programs in $build32 (build the windows32 preset first)"
  exit 77
fi
build32=$(cd "$build32" && pwd)
rm -rf "$work"
mkdir -p "$work"
export VIMRO_WINE_STATE=$work/wine
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
trap '"$root/cmake/wine-stop.sh" "$VIMRO_WINE_STATE"; rm -rf "$work/wine"' EXIT
. "$root/packaging/tests/wine-steps.sh"

if reason=$("$root/tools/can-run-32bit.sh"); then
  run32=yes
else
  run32=no
  echo "NOTE: the 32-bit clients and the 32-bit package's sample registration are NOT run: ${reason#no: }"
fi
drive=$VIMRO_WINE_STATE/prefix/drive_c
engine_clsid='{078E6990-A0DF-401B-AEEB-7263ECA668BD}'
typelib='{36C1AC11-E9FC-4A0D-8035-A24BBF9EEB0D}'

# The PE machine of a program: 8664 (x64) or 014c (i386).
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' '
}
# A key's default value in one registry view (32 or 64), the data alone.
query() {
  "$runner" reg query "$2" /ve "/reg:$1" 2>/dev/null | tr -d '\r' | sed -n 's/^ *[^ ].*  *REG_[A-Z_]*  *//p' | head -1
}
expect_value() {
  local view=$1 key=$2 pattern=$3 what=$4 value
  value=$(query "$view" "$key")
  echo "$value" | grep -q -F -- "$pattern" || fail "$what: '$value' in the $view-bit view of $key"
}
# The 32-bit or the 64-bit script host plays Pip (the engine of its own bitness).
play() {
  local bits=$1 log=$2
  if [ "$bits" = 32 ]; then
    VIMRO_WINE=/usr/lib/wine/wine "$runner" 'C:\windows\syswow64\cscript.exe' //nologo "$(winpath "$client")" >"$work/$log" 2>&1
  else
    "$runner" cscript //nologo "$(winpath "$client")" >"$work/$log" 2>&1
  fi
  # Each package lists its own samples: the count differs from one package's two.
  sed -i '/two characters installed/d' "$work/$log"
  grep -q '^FAIL' "$work/$log" && { cat "$work/$log"; fail "the $bits-bit client's checks"; }
  grep -q 'PASS: the walk completed' "$work/$log" || { cat "$work/$log"; fail "the $bits-bit client played no walk"; }
  echo "the $bits-bit client played Pip: $(grep -c '^PASS' "$work/$log") checks passed"
}
play_if_32bit_runs() { if [ $run32 = yes ]; then play 32 "$1"; else echo "the 32-bit client: not run (see above)"; fi; }
# The installed programs' names, from both registry views (a 32-bit package's entry is in the
# 32-bit one).
products() {
  local root view
  for root in HKLM HKCU; do
    for view in 64 32; do
      "$runner" reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s "/reg:$view" 2>/dev/null
    done
  done | tr -d '\r' | sed -n 's/^ *DisplayName *REG_SZ *\(VimroGE.*\)/\1/p' | sort -u | tr '\n' ';'
}
# An exported registry's values, each with its key: without the keys that hold none. Wine's
# msiexec deletes emptied keys up to the root, also the prefix's own empty Wow6432Node\CLSID
# keys (empty here, where no 32-bit program ever ran; never empty on Windows).
values_of() { awk '/^\[/ { key = $0; next } { print key " " $0 }' "$1"; }
install() { run "$1.log" msiexec /i "$(winpath "$2")" "${@:3}" /qn || fail "msiexec /i $(basename "$2") $* exited with $?"; }
remove() { run "$1.log" msiexec /x "$(winpath "$2")" "${@:3}" /qn || fail "msiexec /x $(basename "$2") exited with $?"; }

step "building the packages"
msi64=$("$root/packaging/msi/build-msi.sh" "$build64" win64 "$work/msi" 2>"$work/wixl.log") || { cat "$work/wixl.log"; fail "the 64-bit package"; }
msi32=$("$root/packaging/msi/build-msi.sh" "$build32" win32 "$work/msi" 2>>"$work/wixl.log") || { cat "$work/wixl.log"; fail "the 32-bit package"; }
next64=$("$root/packaging/msi/build-msi.sh" "$build64" win64 "$work/msi-next" 99.0.0 2>>"$work/wixl.log") ||
  fail "the 64-bit package 99.0.0"
step "a component GUID means the same in both packages or is in one only"
# A table's rows without the header lines.
table() { msiinfo export "$1" "$2" | tail -n +4 | tr -d '\r'; }
shared=$(comm -12 <(table "$msi64" Component | cut -f2 | sort) <(table "$msi32" Component | cut -f2 | sort))
[ "$(echo "$shared" | grep -c .)" = 2 ] || fail "components in both packages: $(echo "$shared" | tr '\n' ' ')"
for guid in $shared; do
  for msi in "$msi64" "$msi32"; do
    component=$(table "$msi" Component | awk -F'\t' -v g="$guid" '$2 == g')
    id=$(echo "$component" | cut -f1)
    # The component's row and its registry entries, without the names wixl gives rows.
    { echo "$component" | cut -f2-5; table "$msi" Registry | awk -F'\t' -v c="$id" '$6 == c' | cut -f2-5 | sort; } \
      >"$work/component-$(basename "$msi").txt"
  done
  diff "$work/component-$(basename "$msi64").txt" "$work/component-$(basename "$msi32").txt" ||
    fail "the component $guid differs between the packages"
done
step "registry before"
# Windows 7 and later keep HKCU\Software\Classes\CLSID apart for 32-bit and 64-bit programs;
# Wine 8 keeps one for both (and reads no per-user classes at all), so there the per-user
# classes of the two packages cannot be told apart: checked only where the views differ.
probe='HKCU\Software\Classes\CLSID\{7E57AB1E-0000-4000-8000-000000000032}'
# The probe's parents go with it unless they were there.
probe_keys=$probe
for parent in 'HKCU\Software\Classes\CLSID' 'HKCU\Software\Classes'; do
  "$runner" reg query "$parent" /reg:64 >/dev/null 2>&1 && break
  probe_keys="$probe_keys|$parent"
done
"$runner" reg add "$probe" /f /reg:32 >/dev/null 2>&1
if "$runner" reg query "$probe" /reg:64 >/dev/null 2>&1; then
  user_views=shared
  echo "NOTE: this registry has one HKCU\\Software\\Classes\\CLSID for both bitnesses: the per-user classes of each package are not checked"
else
  user_views=apart
fi
IFS='|' read -r -a probe_keys <<<"$probe_keys"
for key in "${probe_keys[@]}"; do
  "$runner" reg delete "$key" /f /reg:32 >/dev/null 2>&1
  "$runner" reg delete "$key" /f /reg:64 >/dev/null 2>&1
done
run not-installed.log cscript //nologo "$(winpath "$client")" removed
export_key HKCU user-before
export_key 'HKLM\Software' machine-before

step "per user: both packages"
install user64 "$msi64"
install user32 "$msi32"
folder64=$(ls -d "$drive"/users/*/AppData/Local/Programs/VimroGE)
folder32=$(ls -d "$drive"/users/*/AppData/Local/Programs/VimroGE\ \(x86\))
[ "$(pe_machine "$folder64/VimroGE.dll")" = 8664 ] || fail "Programs\\VimroGE\\VimroGE.dll is not the 64-bit engine"
[ "$(pe_machine "$folder32/VimroGE.dll")" = 014c ] || fail "Programs\\VimroGE (x86)\\VimroGE.dll is not the 32-bit engine"
[ "$(products)" = "VimroGE (32-bit);VimroGE (64-bit);" ] || fail "installed programs: $(products)"
classes='HKCU\Software\Classes'
if [ $user_views = apart ]; then
  expect_value 64 "$classes\\CLSID\\$engine_clsid\\InprocServer32" 'Programs\VimroGE\VimroGE.dll' "the 64-bit engine's class"
  expect_value 32 "$classes\\CLSID\\$engine_clsid\\InprocServer32" 'Programs\VimroGE (x86)\VimroGE.dll' "the 32-bit engine's class"
fi
expect_value 64 "$classes\\Typelib\\$typelib\\1.1\\0\\win64" 'Programs\VimroGE\VimroGE.dll' "the 64-bit type library"
expect_value 64 "$classes\\Typelib\\$typelib\\1.1\\0\\win32" 'Programs\VimroGE (x86)\VimroGE.dll' "the 32-bit type library"
expect_value 64 "$classes\\VimroGE.GraphicEngine\\CLSID" "$engine_clsid" "the ProgID"
expect_value 64 "$classes\\.rux" VimroGE.CharacterFile.win64 "the .rux default program"
for progid in VimroGE.CharacterFile.win64 VimroGE.CharacterFile.win32; do
  "$runner" reg query "$classes\\.rux\\OpenWithProgids" /v $progid >/dev/null 2>&1 || fail "$progid is not among the .rux programs"
done
expect_value 64 "$classes\\VimroGE.CharacterFile.win32\\shell\\open\\command" 'VimroGE (x86)\Tarvel.exe' "the 32-bit package's open verb"

step "an upgrade of the 64-bit package leaves the 32-bit one"
install upgrade64 "$next64"
[ "$(products)" = "VimroGE (32-bit);VimroGE (64-bit);" ] || fail "installed programs after the upgrade: $(products)"
[ -f "$folder32/VimroGE.dll" ] || fail "the upgrade took the 32-bit engine"

step "removing the 32-bit package leaves the 64-bit one"
remove remove32 "$msi32"
[ ! -e "$folder32" ] || fail "the 32-bit folder is still there"
[ -f "$folder64/VimroGE.dll" ] || fail "the 64-bit engine went with the 32-bit package"
expect_value 64 "$classes\\VimroGE.GraphicEngine\\CLSID" "$engine_clsid" "the ProgID after removing the 32-bit package"
expect_value 64 "$classes\\Typelib\\$typelib\\1.1" "VimroGE" "the type library after removing the 32-bit package"
[ $user_views = shared ] ||
  expect_value 64 "$classes\\CLSID\\$engine_clsid\\InprocServer32" 'Programs\VimroGE\VimroGE.dll' "the 64-bit class after removing the 32-bit package"
expect_value 64 "$classes\\.rux" VimroGE.CharacterFile.win64 "the .rux default program after removing the 32-bit package"
[ -z "$(query 64 "$classes\\Typelib\\$typelib\\1.1\\0\\win32")" ] || fail "the 32-bit type library entry stayed"
step "removing the 64-bit package too leaves the registry as it was"
remove remove64 "$next64"
export_key HKCU user-after
export_key 'HKLM\Software' machine-after
diff "$work/user-before.txt" "$work/user-after.txt" || fail "HKCU differs from before the installs"
diff "$work/machine-before.txt" "$work/machine-after.txt" || fail "HKLM\\Software differs from before the installs"

step "per machine: a 64-bit and a 32-bit client"
install machine64 "$msi64" ALLUSERS=1
install machine32 "$msi32" ALLUSERS=1
[ "$(pe_machine "$drive/Program Files (x86)/VimroGE/VimroGE.dll")" = 014c ] || fail "no 32-bit engine in Program Files (x86)"
play 64 play64-both.log
play_if_32bit_runs play32-both.log
remove machine-remove64 "$msi64" ALLUSERS=1
expect_value 32 "HKLM\\Software\\Classes\\CLSID\\$engine_clsid\\InprocServer32" 'Program Files (x86)\VimroGE\VimroGE.dll' \
  "the 32-bit class after removing the 64-bit package"
expect_value 32 "HKLM\\Software\\Classes\\VimroGE.GraphicEngine\\CLSID" "$engine_clsid" "the ProgID after removing the 64-bit package"
expect_value 32 "HKLM\\Software\\Classes\\Typelib\\$typelib\\1.1\\0\\win32" 'Program Files (x86)\VimroGE\VimroGE.dll' \
  "the 32-bit type library after removing the 64-bit package"
run gone64.log cscript //nologo "$(winpath "$client")" removed
grep -q 'ALL CHECKS PASSED' "$work/gone64.log" || fail "a 64-bit client still creates the removed 64-bit engine"
play_if_32bit_runs play32-alone.log
install machine64-again "$msi64" ALLUSERS=1
remove machine-remove32 "$msi32" ALLUSERS=1
play 64 play64-alone.log
remove machine-remove64-last "$msi64" ALLUSERS=1
export_key HKCU user-after-machine
export_key 'HKLM\Software' machine-after-machine
diff "$work/user-before.txt" "$work/user-after-machine.txt" || fail "HKCU differs after the per-machine removals"
diff <(values_of "$work/machine-before.txt") <(values_of "$work/machine-after-machine.txt") ||
  fail "HKLM\\Software differs after the per-machine removals"

step "a failed install takes the samples' list entries back"
cp "$msi64" "$work/failing.msi"
# A step after the samples that fails: ruxtool with an unknown command, its return checked.
msibuild "$work/failing.msi" -q "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`) VALUES ('FailLate', 1042, 'ruxtool.exe', 'no-such-command')" &&
  msibuild "$work/failing.msi" -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Condition\`, \`Sequence\`) VALUES ('FailLate', 'NOT REMOVE', 6590)" ||
  fail "making the failing package"
run failing.log msiexec /i "$(winpath "$work/failing.msi")" /qn && fail "the failing package installed"
[ -z "$(products)" ] || fail "installed programs after the failed install: $(products)"
export_key HKCU user-after-failure
diff "$work/user-before.txt" "$work/user-after-failure.txt" || fail "the failed install left entries in HKCU"

step "an install folder outside the ANSI code page"
odd='C:\Пип\VimroGE'
LC_ALL=C.UTF-8 run odd.log msiexec /i "$(winpath "$msi64")" ALLUSERS=1 "INSTALLDIR=$odd" /qn || fail "the install into $odd failed"
[ -f "$drive/Пип/VimroGE/VimroGE.dll" ] || fail "nothing in $odd"
run odd-list.log reg query 'HKCU\Software\Orvane\RUX'
[ "$(grep -c 'File_[12] .*\.rux' "$work/odd-list.log")" = 2 ] || fail "the samples are not listed"
play 64 play64-odd.log
LC_ALL=C.UTF-8 remove odd-remove "$msi64" ALLUSERS=1
[ ! -e "$drive/Пип/VimroGE" ] || fail "$odd is still there"
export_key HKCU user-after-odd
diff "$work/user-before.txt" "$work/user-after-odd.txt" || fail "HKCU differs after removing the install in $odd"
echo "SIDE BY SIDE TEST PASSED"
