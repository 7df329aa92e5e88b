#!/usr/bin/env bash
# The samples comparison finds a changed, a missing and an absent set of files.
#   same-samples-test.sh path/to/same-samples.sh
set -u
compare=${1:?usage: same-samples-test.sh COMPARE_SCRIPT}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
expect() {
  local want=$1
  shift
  "$compare" "$@" >/dev/null 2>&1
  local status=$?
  [ "$status" -eq "$want" ] || { echo "FAIL: same-samples.sh $* -> $status, wanted $want"; failures=$((failures + 1)); }
}
for tree in a b; do
  mkdir -p "$scratch/$tree/sounds" "$scratch/$tree/tests"
  printf 'pip' >"$scratch/$tree/Pip.rux"
  printf 'step' >"$scratch/$tree/sounds/step.wav"
  echo "$tree" >"$scratch/$tree/tests/build-file"  # not a sample: never compared
done
expect 0 "$scratch/a" "$scratch/b"
printf 'steP' >"$scratch/b/sounds/step.wav"
expect 1 "$scratch/a" "$scratch/b"
rm "$scratch/b/sounds/step.wav"
expect 1 "$scratch/a" "$scratch/b"
expect 0 "$scratch/none" "$scratch/b"
mkdir "$scratch/empty"
expect 1 "$scratch/empty" "$scratch/b"
[ "$failures" -eq 0 ] && echo "ok: same-samples.sh"
