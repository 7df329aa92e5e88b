#!/usr/bin/env bash
# The main job: the sample characters on the desktop. In the Windows build's Wine prefix it
# registers VimroGE.dll, installs Pip and Ball into the installed-file list and runs vgedemo.
# With a DISPLAY the characters appear on it; without one they play on the build's private
# Xvfb display, and screenshots and an animated GIF of the run are written to out/demo/.
#   tools/demo.sh
# VIMRO_DEMO_SECONDS  how long the demo runs (default 24; on a display 60)
# VIMRO_DEMO_HEADLESS=1  use the private display even when DISPLAY is set
# VIMRO_DEMO_BUILD    the Windows build folder (default build/windows)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/${VIMRO_DEMO_BUILD:-build/windows}
out=$root/out/demo
runner=$root/cmake/wine-run.sh
export VIMRO_WINE_STATE=$build/wine

# A Unix path as Wine's Z: drive sees it.
winpath() { local path=$1; echo "Z:${path//\//\\}"; }

display_usable() {
  [ -n "${DISPLAY:-}" ] && [ "${VIMRO_DEMO_HEADLESS:-}" != 1 ] &&
    timeout 10 import -display "$DISPLAY" -window root -crop 1x1+0+0 null: 2>/dev/null
}

for file in bin/VimroGE.dll bin/vgedemo.exe samples/Pip.rux samples/Ball.rux; do
  [ -f "$build/$file" ] || { echo "demo: $build/$file is missing (make windows builds it)" >&2; exit 1; }
done

if display_usable; then
  on_screen=1
  seconds=${VIMRO_DEMO_SECONDS:-60}
  # Wine's processes must all talk to this display: start them afresh.
  "$root/cmake/wine-stop.sh" "$VIMRO_WINE_STATE"
  export VIMRO_USE_DISPLAY=1
  echo "Showing the characters on display $DISPLAY for $seconds seconds."
else
  on_screen=0
  seconds=${VIMRO_DEMO_SECONDS:-24}
  echo "No display to show the characters on: playing on a private Xvfb display, pictures go to out/demo/."
fi
trap '"$root/cmake/wine-stop.sh" "$VIMRO_WINE_STATE"' EXIT
# Ctrl+C reaches vgedemo, which ends by itself; the script then finishes its work.
trap 'echo "demo: interrupted"' INT

# The engine prints a line for every scan of the installed-file list that reaches its end.
quiet_list_scans() { grep -v '^Error quering string: 2' || true; }

echo "== Registering $(winpath "$build/bin/VimroGE.dll") with regsvr32"
"$runner" regsvr32 /s "$(winpath "$build/bin/VimroGE.dll")"
echo "== Adding the sample characters to the installed-file list (GraphicFiles.Add)"
"$runner" cscript //nologo "$(winpath "$root/packaging/windows/install-character.vbs")" \
  "$(winpath "$build/samples/Pip.rux")" "$(winpath "$build/samples/Ball.rux")" | quiet_list_scans

if [ "$on_screen" = 1 ]; then
  echo "== vgedemo: drag a character with the left mouse button, right-click it for its menu;"
  echo "   Escape on a character or Ctrl+C here ends the demo"
  # The test prefix has no sound driver; the demo plays its sounds.
  "$runner" reg delete 'HKCU\Software\Wine\Drivers' /v Audio /f >/dev/null 2>&1 || true
  status=0
  # Without a sound card, ALSA reports each attempt to open one.
  (cd "$build/samples" && "$runner" ../bin/vgedemo.exe --seconds "$seconds") 2> >(grep -v '^ALSA lib' >&2) |
    quiet_list_scans || status=$?
  "$runner" reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null 2>&1 || true
  exit $status
fi

rm -rf "$out"
mkdir -p "$out/shots"
echo "== vgedemo for $seconds seconds, driving the mouse itself; screenshots of the display"
(cd "$build/samples" && exec "$runner" ../bin/vgedemo.exe --seconds "$seconds" --self-drive --backdrop) \
  >"$out/run.log" 2>&1 &
demo=$!
tail -n +1 -f "$out/run.log" --pid=$demo | quiet_list_scans &
printer=$!
display=:$(cat "$VIMRO_WINE_STATE/display")
# Pictures from the moment the characters are on the screen.
while kill -0 $demo 2>/dev/null && ! grep -q 'are on the desktop' "$out/run.log"; do sleep 0.1; done
sleep 0.2  # their first frame is presented at the next tick
shot=0
while kill -0 $demo 2>/dev/null; do
  shot=$((shot + 1))
  import -window root -display "$display" "$(printf '%s/shots/shot-%03d.png' "$out" $shot)" 2>/dev/null || true
  sleep 0.1
done
status=0
wait $demo || status=$?
wait $printer 2>/dev/null || true
[ $status -eq 0 ] || { echo "demo: vgedemo ended with $status" >&2; exit $status; }

# The animation: the part of the screen the demo plays in, at half size, in real time.
read -r left top width height < <(grep -o 'scene [0-9]* [0-9]* [0-9]* [0-9]*' "$out/run.log" | head -1 | cut -d' ' -f2-)
delay=$((seconds * 100 / (shot > 0 ? shot : 1)))
convert -delay "$delay" -loop 0 "$out"/shots/shot-*.png -crop "${width}x${height}+${left}+${top}" +repage \
  -resize 50% -layers Optimize "$out/demo.gif"
echo
echo "Screenshots: $out/shots/ ($(ls "$out/shots" | wc -l) pictures of the whole display)"
echo "Animation:   $out/demo.gif"
echo "Output:      $out/run.log"
