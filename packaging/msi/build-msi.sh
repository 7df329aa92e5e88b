#!/usr/bin/env bash
# Builds the Windows Installer package from a Windows build tree with wixl (msitools): the
# tree's install layout (the ZIP's), staged with the programs stripped, the docs, sdk and
# samples folders listed by wixl-heat, VimroGE.wxs around them.
#   build-msi.sh BUILD_DIR win64|win32 OUTPUT_DIR [VERSION]
# Writes OUTPUT_DIR/VimroGE-<VERSION>-<platform>.msi. VERSION defaults to the project's; the
# package test builds a higher one to upgrade to.
set -eu
build=$(cd "$1" && pwd)
platform=$2
mkdir -p "$3"
here=$(cd "$(dirname "$0")" && pwd)
version=${4:-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")}
output=$(cd "$3" && pwd)/VimroGE-$version-$platform.msi
# What keeps the two packages apart: upgrade code, name, per-user and Start-menu folders, and
# the component that owns the .rux type's default program (VimroGE.wxs).
case $platform in
  win64) arch=x64 win64=yes program_files=ProgramFiles64Folder upgrade_code=5B1E6A43-2F0C-4C8E-9B7A-1D3E5F7A9C20
    product="VimroGE (64-bit)" user_folder=VimroGE menu_folder=VimroGE file_type_guid=E6807A62-DD3A-4544-9DD7-9316DCE32EFD ;;
  win32) arch=x86 win64=no program_files=ProgramFilesFolder upgrade_code=74155ED8-C14E-433C-8BB3-9D8F2C2A35A0
    product="VimroGE (32-bit)" user_folder="VimroGE (x86)" menu_folder="VimroGE (32-bit)"
    file_type_guid=7CEF7B88-8847-4600-8BD7-AFBE762D5B3A ;;
  *) echo "build-msi.sh: the platform is win64 or win32, not $platform" >&2; exit 2 ;;
esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/stage" --strip >"$work/install.log" || { cat "$work/install.log"; exit 1; }
for folder in docs sdk samples; do
  group=$(echo "${folder:0:1}" | tr a-z A-Z)${folder:1}
  (cd "$work/stage" && find "$folder" -type f | LC_ALL=C sort) |
    wixl-heat --prefix "$folder/" --directory-ref "${group}Folder" --component-group "$group" \
      --var "var.${group}Dir" $([ $win64 = yes ] && echo --win64) >"$work/$folder.wxs"
done
# wixl takes the sources' paths relative to the folder it runs in.
(cd "$work" && wixl -a "$arch" -I "$here" -o "$output" \
  -D Version="$version" -D Win64=$win64 -D ProgramFiles=$program_files -D TypeLibPlatform=$platform \
  -D UpgradeCode=$upgrade_code -D ProductName="$product" -D UserFolder="$user_folder" -D MenuFolder="$menu_folder" \
  -D FileTypeGuid=$file_type_guid \
  -D SourceDir=stage -D DocsDir=stage/docs -D SdkDir=stage/sdk -D SamplesDir=stage/samples \
  "$here/VimroGE.wxs" docs.wxs sdk.wxs samples.wxs)
# wixl writes root HKMU as 4, which Windows Installer does not know; HKMU is -1.
msibuild "$output" -q 'UPDATE `Registry` SET `Root` = -1 WHERE `Root` = 4'
# The rollback steps of the samples' registration (VimroGE.wxs): the copy of ruxtool in the
# Binary table (type 2), run from the script (0x400) only on rollback (0x100), return ignored
# (0x40); each scheduled just before the step it undoes, with its condition.
samples='"[SamplesFolder]Pip.rux" "[SamplesFolder]Ball.rux"'
add_rollback() {
  local action=$1 command=$2 sequence=$3 condition=$4
  msibuild "$output" -q "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`) VALUES ('$action', 1346, 'RollbackRuxtool', '$command $samples')"
  msibuild "$output" -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Condition\`, \`Sequence\`) VALUES ('$action', '$condition', $sequence)"
}
add_rollback InstallSamplesRollback uninstall 4009 'NOT Installed AND NOT REMOVE'
add_rollback UninstallSamplesRollback install 3489 'REMOVE = "ALL"'
# wixl has no component conditions: the 32-bit package's owner of the .rux default program is
# installed only where no 64-bit package can be.
if [ $platform = win32 ]; then
  msibuild "$output" -q "UPDATE \`Component\` SET \`Condition\` = 'NOT VersionNT64' WHERE \`Component\` = 'FileTypeDefault'"
else
  # The 64-bit view's copy of the ProgIDs, for Wine's registry alone (VimroGE.wxs).
  msibuild "$output" -q "UPDATE \`Component\` SET \`Condition\` = 'WINE_REGISTRY AND ALLUSERS = 1' WHERE \`Component\` = 'WineClassNames'"
fi
echo "$output"
