#!/usr/bin/env bash
# Renders every animation of the sample characters as a GIF with ruxtool render, for docs/samples.md.
#   tools/render-samples.sh BUILD_DIR OUT_DIR
# BUILD_DIR is a native build with the ruxtool and samples targets built. Walks travel (so that
# they move across the picture); every other animation plays once through. The output is the
# same on every run, so regenerating changes no file unless the samples or the engine changed.
set -eu
build=$(cd "${1:?usage: render-samples.sh BUILD_DIR OUT_DIR}" && pwd)
out=${2:?usage: render-samples.sh BUILD_DIR OUT_DIR}
mkdir -p "$out"
ruxtool=$build/bin/ruxtool
samples=$build/samples
# character animation [destination]
while read -r character animation destination; do
  options=()
  [ -n "$destination" ] && options=(--to "$destination")
  "$ruxtool" render "$samples/$character.rux" "$animation" "$out/${character}_$animation.gif" "${options[@]}"
done <<'LIST'
Pip Stand
Pip Walk 120,0
Pip Wave
Pip Kick
Pip IdleLook
Pip IdleStretch
Pip Sleep
Pip WalkLeft -120,0
Ball Stand
Ball Walk 112,0
Ball Bounce
LIST
