#!/usr/bin/env bash
# Measures what characters of the sample Pip cost under Wine (docs/benchmarks.md, "What a
# character costs"): runs character_costs.exe and, at each phase it announces, reads from
# /proc the CPU time (utime + stime) of its process, of the prefix's wineserver and of the
# Xvfb server, and the process's anonymous memory.
#   tools/character-costs.sh BUILD_DIR [SECONDS_PER_PHASE]
set -eu
build=$(cd "${1:?usage: character-costs.sh BUILD_DIR [SECONDS_PER_PHASE]}" && pwd)
seconds=${2:-10}
root=$(cd "$(dirname "$0")/.." && pwd)
state=$build/wine
export VIMRO_WINE_STATE=$state
"$root/cmake/wine-run.sh" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
server=
for pid in $(pgrep -x wineserver64; pgrep -x wineserver); do
  tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$state/prefix" && server=$pid
done
xvfb=$(cat "$state/xvfb.pid")
[ -n "$server" ] || { echo "no wineserver for $state/prefix" >&2; exit 1; }
ticks_per_second=$(getconf CLK_TCK)

# CPU of a process in milliseconds.
cpu_ms() { awk -v hz="$ticks_per_second" '{ sub(/^.*\) /, ""); print ($12 + $13) * 1000 / hz }' "/proc/$1/stat"; }
anon_kb() { awk '/^Anonymous:/ { print $2 }' "/proc/$1/smaps_rollup"; }

pipe=$(mktemp -u)
mkfifo "$pipe"
trap 'rm -f "$pipe"' EXIT
pip="Z:$(echo "$build/samples/Pip.rux" | tr / '\\')"
"$root/cmake/wine-run.sh" "$build/bin/character_costs.exe" "$pip" "$seconds" >"$pipe" &
runner=$!
client=
echo "# $seconds s per phase; CPU in ms over the phase; anonymous memory in MB"
echo "# phase client_ms wineserver_ms xvfb_ms all_percent_of_one_core"
while read -r word name; do
  name=${name%$'\r'}
  if [ -z "$client" ]; then
    client=$(pgrep -n -f 'character_costs\.exe' || true)
    echo "# client process $client: $(tr '\0' ' ' <"/proc/$client/cmdline")"
  fi
  case $word in
  MEMORY)
    awk -v n="$name" -v kb="$(anon_kb "$client")" 'BEGIN { printf "memory %s characters: %.1f MB\n", n, kb / 1024 }' ;;
  BEGIN)
    c0=$(cpu_ms "$client"); s0=$(cpu_ms "$server"); x0=$(cpu_ms "$xvfb") ;;
  END)
    c1=$(cpu_ms "$client"); s1=$(cpu_ms "$server"); x1=$(cpu_ms "$xvfb")
    awk -v n="$name" -v c="$((${c1%.*} - ${c0%.*}))" -v s="$((${s1%.*} - ${s0%.*}))" -v x="$((${x1%.*} - ${x0%.*}))" \
      -v t="$seconds" 'BEGIN { printf "%s %d %d %d %.2f\n", n, c, s, x, (c + s + x) / (t * 10) }' ;;
  esac
done <"$pipe"
wait "$runner"
