#!/usr/bin/env bash
# The main job for now: every sample character summarised by ruxtool, from both builds.
set -eu
cd "$(dirname "$0")/.."
samples=build/native/samples
echo "Sample characters (built in $samples):"
for file in "$samples"/*.rux; do
  build/native/bin/ruxtool info "$file"
  build/native/bin/ruxtool check "$file"
  echo
done
echo "Windows build: $(ls build/windows/bin/*.exe build/windows/bin/*.dll | xargs -n1 basename | tr '\n' ' ')"
