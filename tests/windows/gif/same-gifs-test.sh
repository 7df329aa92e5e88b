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
  "$wine_run" "$exe" "${windows_args[@]}" >/dev/null || { echo "FAIL: ruxtool.exe $*"; failures=$((failures + 1)); return; }
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

# Three frames of 200, 300 and 500 ms, as ImageMagick writes them.
three=$work/sources/three.gif
convert -size 8x6 -delay 20 xc:red -delay 30 xc:lime -delay 50 xc:blue -loop 0 "$three"
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
echo "ruxtool.exe reads the ImageMagick GIF as:"
"$wine_run" "$exe" info "$work/windows/three.rux" | grep -i "ms\|frame" | head -5

if [ "$failures" -eq 0 ]; then
  echo "SAME GIFS PASSED"
else
  echo "FAIL: $failures differences"
  exit 1
fi
