#!/usr/bin/env bash
# Stops what wine-run.sh started for a state folder: the keep-alive program, wineserver,
# xcompmgr, Xephyr and Xvfb.
#   wine-stop.sh <build>/wine
set -u
state=${1:?usage: wine-stop.sh STATE_FOLDER}
[ -d "$state" ] || exit 0
export WINEPREFIX=$(cd "$state" && pwd)/prefix
for pidfile in "$state/keepalive.pid"; do
  [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null
  rm -f "$pidfile"
done
# Every server of this prefix, whichever binary runs it: the persistent server of a 32-bit
# prefix is the 64-bit one started by wine-run.sh, which the 32-bit binary's -k does not reach,
# and the packaged wrapper's -k does not always stop it either.
prefix_servers() {
  for process in /proc/[0-9]*; do
    { read -r name <"$process/comm"; } 2>/dev/null || continue
    case $name in
      wineserver | wineserver32 | wineserver64) ;;
      *) continue ;;
    esac
    { tr '\0' '\n' <"$process/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "${process#/proc/}"
  done
}
if [ -d "$WINEPREFIX" ]; then
  for server in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver32 wineserver; do
    command -v "$server" >/dev/null 2>&1 && "$server" -k 2>/dev/null
  done
  for _ in $(seq 1 50); do [ -z "$(prefix_servers)" ] && break; sleep 0.1; done
  pids=$(prefix_servers)
  [ -n "$pids" ] && kill $pids 2>/dev/null
fi
if [ -f "$state/xcompmgr.pid" ]; then
  kill "$(cat "$state/xcompmgr.pid")" 2>/dev/null
  rm -f "$state/xcompmgr.pid"
fi
if [ -f "$state/xephyr.pid" ]; then
  kill "$(cat "$state/xephyr.pid")" 2>/dev/null
  rm -f "$state/xephyr.pid"
fi
if [ -f "$state/xvfb.pid" ]; then
  kill "$(cat "$state/xvfb.pid")" 2>/dev/null
  rm -f "$state/xvfb.pid"
fi
exit 0
