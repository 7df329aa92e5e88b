# Shell helpers of the package tests, sourced by them; they use the caller's $runner (the Wine
# runner) and $work (the test's folder).
fail() {
  echo "FAIL: $*"
  exit 1
}
step() { echo "== $*"; }
winpath() { local path=$1; echo "Z:${path//\//\\}"; }
# Runs a Windows command in the package's prefix, its output kept in a log and shown.
run() {
  local log=$1
  shift
  "$runner" "$@" >"$work/$log" 2>&1
  local status=$?
  grep -v '^Error quering string: 2' "$work/$log"
  return $status
}
