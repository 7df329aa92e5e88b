#!/usr/bin/env bash
# Checks that two build trees made the same sample characters and sounds, byte for byte.
#   same-samples.sh FOLDER_A FOLDER_B   (the samples folders of two build trees; a missing
#                                        FOLDER_A: nothing to compare, exit 0)
set -u
a=${1:?usage: same-samples.sh FOLDER_A FOLDER_B}
b=${2:?usage: same-samples.sh FOLDER_A FOLDER_B}
[ -d "$a" ] || exit 0
count=0
status=0
for file in "$a"/*.rux "$a"/sounds/*.wav; do
  [ -f "$file" ] || continue
  relative=${file#"$a"/}
  count=$((count + 1))
  if ! cmp -s "$file" "$b/$relative"; then
    echo "same-samples: $b/$relative is not the same as $file" >&2
    status=1
  fi
done
if [ "$count" -eq 0 ]; then
  echo "same-samples: no sample files in $a" >&2
  exit 1
fi
[ "$status" -eq 0 ] && echo "Sample files of $b: the same bytes as those of $a ($count files)."
exit $status
