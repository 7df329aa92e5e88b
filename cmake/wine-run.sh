#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest and the build: one Wine prefix per build tree,
# a private Xvfb display and a persistent wineserver, all created on first use.
#   wine-run.sh program.exe [arguments...]
# VIMRO_WINE_STATE chooses the state folder (default: <build>/wine beside the program's bin/).
# VIMRO_USE_DISPLAY=1 keeps the caller's DISPLAY instead of the private one.
# VIMRO_WINEARCH=win32 makes a 32-bit prefix (the 32-bit build; an existing prefix is used as
# it was made); VIMRO_WINE names the Wine loader to use instead of the one chosen here.
# VIMRO_WINE_DESKTOP=monitors: two monitors side by side (1280 x 1024 and 1024 x 768, from a
# Xinerama Xephyr hosted in the Xvfb) and 144 DPI for per-monitor-aware programs; use it with
# a state folder of its own, since the prefix keeps the settings it was made with.
# VIMRO_WINE_DESKTOP=composited: xcompmgr runs on the display, so that windows with opacity
# per pixel blend with what lies below (Xvfb alone shows them over black).
set -u

# Nothing started here may keep a descriptor of the caller: the display and the servers
# outlive this call, and one holding a lock the caller took (flock's fd 3 around a build or a
# test run) would hold it for ever.
for fd in /proc/$$/fd/*; do
  fd=${fd##*/}
  [ "$fd" -gt 2 ] 2>/dev/null && eval "exec $fd>&-" 2>/dev/null
done

program=${1:?usage: wine-run.sh program.exe [arguments...]}
if [ -z "${VIMRO_WINE_STATE:-}" ]; then
  bindir=$(cd "$(dirname "$program")" && pwd)
  VIMRO_WINE_STATE=$(dirname "$bindir")/wine
fi
state=$VIMRO_WINE_STATE
mkdir -p "$state"
export WINEPREFIX=$state/prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# An existing prefix keeps its own architecture.
arch=win64
grep -qs '^#arch=win32' "$WINEPREFIX/system.reg" && arch=win32
export WINEARCH=${VIMRO_WINEARCH:-$arch}
# The 64-bit loader itself for a 64-bit prefix: where 32-bit Wine is installed too, the "wine"
# command starts the 32-bit loader, which cannot run programs in a prefix made without it.
if [ -n "${VIMRO_WINE:-}" ]; then
  wine=$VIMRO_WINE
  export WINELOADER=$wine
elif [ "$WINEARCH" = win64 ] && [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
  export WINELOADER=$wine
elif [ "$WINEARCH" = win32 ] && ! reason=$("$(dirname "$0")/../tools/can-run-32bit.sh"); then
  echo "wine-run: cannot run 32-bit Windows programs: ${reason#no: }" >&2
  exit 1
elif [ "$WINEARCH" = win32 ] && [ ! -x /usr/lib/wine/wine ]; then
  echo "wine-run: 32-bit Wine is missing (apt-get install wine32:i386, or set VIMRO_WINE)" >&2
  exit 1
else
  wine=wine
fi

# Starts a program detached from our pipes and from the lock (fd 9).
detach() { setsid "$@" </dev/null >/dev/null 2>&1 9>&- & }

display_alive() {
  [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null &&
    [ -S "/tmp/.X11-unix/X$(cat "$state/display")" ]
}

start_display() {
  local n=91
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  setsid Xvfb ":$n" -screen 0 "$screen" -nolisten tcp </dev/null >"$state/xvfb.log" 2>&1 9>&- &
  echo $! >"$state/xvfb.pid"
  echo "$n" >"$state/display"
  for _ in $(seq 1 100); do [ -S "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.05; done
  echo "wine-run: Xvfb did not start on :$n" >&2
  return 1
}

# The Xephyr of the two-monitor desktop, inside the Xvfb of this state folder.
start_monitors() {
  local host=$1 n=$(($1 + 1))
  command -v Xephyr >/dev/null || { echo "wine-run: Xephyr is missing (apt-get install xserver-xephyr)" >&2; return 1; }
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  DISPLAY=:$host setsid Xephyr ":$n" +xinerama -screen 1280x1024 -screen 1024x768 -nolisten tcp \
    </dev/null >"$state/xephyr.log" 2>&1 9>&- &
  echo $! >"$state/xephyr.pid"
  echo "$n" >"$state/monitors-display"
  for _ in $(seq 1 100); do [ -S "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.05; done
  echo "wine-run: Xephyr did not start on :$n" >&2
  return 1
}

monitors_alive() {
  [ -f "$state/xephyr.pid" ] && kill -0 "$(cat "$state/xephyr.pid")" 2>/dev/null &&
    [ -S "/tmp/.X11-unix/X$(cat "$state/monitors-display")" ]
}

compositor_alive() {
  [ -f "$state/xcompmgr.pid" ] && kill -0 "$(cat "$state/xcompmgr.pid")" 2>/dev/null
}

start_compositor() {
  command -v xcompmgr >/dev/null || { echo "wine-run: xcompmgr is missing (apt-get install xcompmgr)" >&2; return 1; }
  DISPLAY=:$1 setsid xcompmgr </dev/null >"$state/xcompmgr.log" 2>&1 9>&- &
  echo $! >"$state/xcompmgr.pid"
  sleep 0.3
  compositor_alive || { echo "wine-run: xcompmgr did not start on :$1" >&2; return 1; }
}

prepare_prefix() {
  "$wine" wineboot -i </dev/null >"$state/wineboot.log" 2>&1 9>&-
  wineserver -w </dev/null >/dev/null 2>&1 9>&-
  # No window manager: unmanaged windows hide and close at once. No sound device noise.
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 9>&-
  "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f </dev/null >/dev/null 2>&1 9>&-
  # A crashed test must not leave a debugger dialog on the display for the tests after it.
  "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 9>&-
  if [ "$desktop" = monitors ]; then
    # Xinerama heads instead of XRandR outputs: Wine then sees both monitors where they are.
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f </dev/null >/dev/null 2>&1 9>&-
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f </dev/null >/dev/null 2>&1 9>&-
  fi
  wineserver -k </dev/null >/dev/null 2>&1 9>&-
  wineserver -w </dev/null >/dev/null 2>&1 9>&-
  touch "$WINEPREFIX/.vimro-ready"
}

desktop=${VIMRO_WINE_DESKTOP:-}
screen=1280x1024x24
[ "$desktop" = monitors ] && screen=2400x1100x24
exec 9>"$state/lock"
flock 9
if [ "${VIMRO_USE_DISPLAY:-}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  display_alive || start_display || exit 1
  export DISPLAY=:$(cat "$state/display")
  if [ "$desktop" = composited ]; then
    compositor_alive || start_compositor "$(cat "$state/display")" || exit 1
  fi
  if [ "$desktop" = monitors ]; then
    monitors_alive || start_monitors "$(cat "$state/display")" || exit 1
    export DISPLAY=:$(cat "$state/monitors-display")
  fi
fi
[ -f "$WINEPREFIX/.vimro-ready" ] || prepare_prefix
# A persistent server: later programs start in tens of milliseconds instead of seconds.
wineserver -p 9>&- </dev/null >/dev/null 2>&1 || true
keepalive=$(dirname "$program")/wine-keepalive.exe
if ! { [ -f "$state/keepalive.pid" ] && kill -0 "$(cat "$state/keepalive.pid")" 2>/dev/null; }; then
  # Wine's background services start with the first program of a server and inherit its
  # output; start them from a program whose output goes nowhere, so that none of them keeps
  # the caller's pipe (ctest, ninja, $(...)) open after our program has ended.
  "$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
  if [ -f "$keepalive" ]; then
    # A tiny hidden window keeps Wine's desktop process alive between GUI programs; it
    # writes a file once its window exists, so the desktop is up before our program runs.
    ready=$state/keepalive.ready
    rm -f "$ready"
    detach "$wine" "$keepalive" "Z:${ready//\//\\}"
    echo $! >"$state/keepalive.pid"
    for _ in $(seq 1 300); do [ -f "$ready" ] && break; sleep 0.05; done
  fi
fi
flock -u 9
exec 9>&-
exec "$wine" "$@"
