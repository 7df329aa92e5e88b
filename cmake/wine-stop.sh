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
# The server of the prefix's own architecture: a 32-bit prefix's programs run under the 32-bit
# loader, whose server the 64-bit one does not always reach.
server=wineserver
if grep -qs '^#arch=win32' "$WINEPREFIX/system.reg" && [ -x /usr/lib/wine/wineserver32 ]; then
  server=/usr/lib/wine/wineserver32
fi
if [ -d "$WINEPREFIX" ]; then
  "$server" -k 2>/dev/null
  "$server" -w 2>/dev/null
fi
if [ -f "$state/xvfb.pid" ]; then
  kill "$(cat "$state/xvfb.pid")" 2>/dev/null
  rm -f "$state/xvfb.pid"
fi
exit 0
