#!/usr/bin/env bash
# Checks that two build trees made the same sample characters and sounds, byte for byte.
#   same-samples.sh FOLDER_A FOLDER_B   (a missing FOLDER_A: nothing to compare, exit 0)
set -u
a=${1:?usage: same-samples.sh FOLDER_A FOLDER_B}
b=${2:?usage: same-samples.sh FOLDER_A FOLDER_B}
[ -d "$a" ] || exit 0
if ! diff -r -q "$a" "$b"; then
  echo "same-samples: the sample files of $b differ from those of $a" >&2
  exit 1
fi
echo "Sample files of $b: the same bytes as those of $a ($(find "$a" -type f | wc -l) files)."
