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
case $platform in
  win64) arch=x64 win64=yes program_files=ProgramFiles64Folder ;;
  win32) arch=x86 win64=no program_files=ProgramFilesFolder ;;
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
  -D SourceDir=stage -D DocsDir=stage/docs -D SdkDir=stage/sdk -D SamplesDir=stage/samples \
  "$here/VimroGE.wxs" docs.wxs sdk.wxs samples.wxs)
# wixl writes root HKMU as 4, which Windows Installer does not know; HKMU is -1.
msibuild "$output" -q 'UPDATE `Registry` SET `Root` = -1 WHERE `Root` = 4'
echo "$output"
