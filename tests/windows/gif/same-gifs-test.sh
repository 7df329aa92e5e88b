#!/usr/bin/env bash
# ruxtool.exe under Wine against the native ruxtool: every sample animation rendered as
# tools/render-samples.sh renders it, and with the look options, must be the same GIF (and PNG
# film strip); importing each of those GIFs and a three-frame GIF made by ImageMagick (delays
# 200, 300, 500 ms) must give the same character file.
#   same-gifs-test.sh NATIVE_RUXTOOL WINE_RUN RUXTOOL_EXE SAMPLES_DIR WORK_DIR
set -u
native=${1:?usage: same-gifs-test.sh NATIVE_RUXTOOL WINE_RUN RUXTOOL_EXE SAMPLES_DIR WORK_DIR}
wine_run=$2
exe=$3
samples=$4
work=$5
rm -rf "$work"
mkdir -p "$work/native" "$work/windows" "$work/sources"
failures=0

# run KIND OUT_NAME ARGUMENTS...: the command by both programs, OUT_NAME written into each
# one's folder (the word @OUT in the arguments), then the two files compared.
run() {
  local name=$1
  shift
  local native_args=("${@//@OUT/$work/native/$name}") windows_args=("${@//@OUT/$work/windows/$name}")
  "$native" "${native_args[@]}" >/dev/null || { echo "FAIL: native ruxtool $*"; failures=$((failures + 1)); return; }
  local said
  said=$("$wine_run" "$exe" "${windows_args[@]}" 2>&1) || { echo "FAIL: ruxtool.exe $*: $said"; failures=$((failures + 1)); return; }
  if cmp -s "$work/native/$name" "$work/windows/$name"; then
    echo "same: $name ($*)"
  else
    echo "FAIL: $name differs: ruxtool.exe $*"
    failures=$((failures + 1))
  fi
}

gifs=()
while read -r character animation options; do
  name=${character}_${animation}${options:+_$(echo "$options" | tr -c 'A-Za-z0-9\n' '_')}.gif
  # shellcheck disable=SC2086
  run "$name" render "$samples/$character.rux" "$animation" @OUT $options
  gifs+=("$name")
done <<'LIST'
Pip Stand
Pip Walk --to 120,0
Pip Walk
Pip Wave
Pip Kick --transparent
Ball Stand --background 203040
Ball Walk --to 112,0 --seconds 2
Ball Bounce
LIST
run Pip_Walk_strip.png render "$samples/Pip.rux" Walk @OUT --to 60,0

# Three drawn frames of 200, 300 and 500 ms, as ImageMagick writes them (the Windows Imaging
# Component of Wine read 200, 100 and 100 ms of this one; solid-coloured frames it read right).
three=$work/sources/three.gif
convert -size 40x30 xc:white -fill red -draw "circle 20,15 20,5" "$work/sources/a.png"
convert -size 40x30 xc:white -fill blue -draw "rectangle 5,5 30,20" "$work/sources/b.png"
convert -size 40x30 xc:yellow -fill green -draw "circle 10,10 10,2" "$work/sources/c.png"
convert -delay 20 "$work/sources/a.png" -delay 30 "$work/sources/b.png" -delay 50 "$work/sources/c.png" -loop 0 "$three"
# Every GIF as an animation of one character file each side (the native renders for both).
for gif in "${gifs[@]}"; do
  [ -f "$work/native/$gif" ] && cp "$work/native/$gif" "$work/sources/$gif"
done
for source in "$three" "$work/sources"/*_*.gif; do
  [ -f "$source" ] || continue
  animation=$(basename "$source" .gif)
  run imports.rux import @OUT "$animation" "$source"
done
run three.rux import @OUT Three "$three"
# The times themselves, as the native ruxtool reads them.
if ! "$native" info "$work/native/three.rux" | grep -q "Three: 3 frames, 1000 ms"; then
  echo "FAIL: the native import of the ImageMagick GIF is not 3 frames of 1000 ms in all"
  failures=$((failures + 1))
fi

if [ "$failures" -eq 0 ]; then
  echo "SAME GIFS PASSED"
else
  echo "FAIL: $failures differences"
  exit 1
fi
