#!/usr/bin/env bash
# Stops what wine-run.sh started for a state folder: the keep-alive program, wineserver, Xvfb.
#   wine-stop.sh <build>/wine
set -u
state=${1:?usage: wine-stop.sh STATE_FOLDER}
[ -d "$state" ] || exit 0
export WINEPREFIX=$state/prefix
for pidfile in "$state/keepalive.pid"; do
  [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null
  rm -f "$pidfile"
done
[ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null
if [ -f "$state/xvfb.pid" ]; then
  kill "$(cat "$state/xvfb.pid")" 2>/dev/null
  rm -f "$state/xvfb.pid"
fi
exit 0
