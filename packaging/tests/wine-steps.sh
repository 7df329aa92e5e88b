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
# The registry below a key as sorted text, without Wine's own keys that change by themselves.
export_key() {
  local key=$1 name=$2
  rm -f "$work/$name.reg"
  "$runner" reg export "$key" "$(winpath "$work/$name.reg")" /y >/dev/null 2>&1 || : >"$work/$name.reg"
  iconv -f UTF-16 -t UTF-8 "$work/$name.reg" 2>/dev/null | tr -d '\r' |
    awk '/^\[/ { keep = ($0 !~ /\\(Volatile Environment|SessionInformation)|Wine\\|\\DynData|\\Windows NT\\CurrentVersion\\(Fonts|Perflib)/) } keep' |
    grep -v -e '^$' -e '^Windows Registry Editor' |
    # msiexec's own bookkeeping keys, which it leaves behind empty once the last product is
    # gone (the 32-bit view's list of installed programs among them): their names go, any
    # value left in them still shows.
    grep -v -x -E -e '\[HKEY_[A-Z_]+\\Software\\(Classes\\|Microsoft\\(Windows\\CurrentVersion\\)?)Installer(\\.*)?\]' \
      -e '\[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\]' \
    >"$work/$name.txt"
}
