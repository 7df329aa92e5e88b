#!/usr/bin/env bash
# Measures characters animating at once under Wine and plots the figures of docs/benchmarks.md.
#   tools/animation-figures.sh BUILD_DIR [SECONDS_PER_COUNT]
# BUILD_DIR is a Windows build with the animation_figures target built. Writes the table to
# docs/images/animation-figures.txt and, with gnuplot (Debian: gnuplot-nox), the plot to
# docs/images/animation-figures.png.
set -eu
build=$(cd "${1:?usage: animation-figures.sh BUILD_DIR [SECONDS_PER_COUNT]}" && pwd)
seconds=${2:-10}
root=$(cd "$(dirname "$0")/.." && pwd)
state=$build/wine
table=$root/docs/images/animation-figures.txt
export VIMRO_WINE_STATE=$state
# Start the display and the server first, so that their process IDs can be handed over.
"$root/cmake/wine-run.sh" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
# This prefix's wineserver: the one whose environment names the prefix.
server=
for pid in $(pgrep -x wineserver64; pgrep -x wineserver); do
  tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$state/prefix" && server=$pid
done
xvfb=$(cat "$state/xvfb.pid" 2>/dev/null || true)
"$root/cmake/wine-run.sh" "$build/bin/animation_figures.exe" "$seconds" "$server" "$xvfb" | tr -d '\r' |
  grep -v '^Error quering string' | tee "$table"
command -v gnuplot >/dev/null || { echo "gnuplot not found (apt-get install gnuplot-nox): no plot"; exit 0; }
gnuplot <<PLOT
set terminal pngcairo size 960,420 font "DejaVu Sans,10"
set output "$root/docs/images/animation-figures.png"
set multiplot layout 1,2 title "Walking characters under Wine ($seconds s per count, 10 ticks per second)"
set logscale x
set xtics (1, 10, 50, 100)
set xlabel "characters animating at once"
set grid
set key top left
set ylabel "CPU per character per tick (µs)"
plot "$table" using 1:2 with linespoints lw 2 title "client process", \
     "$table" using 1:3 with linespoints lw 2 title "wineserver", \
     "$table" using 1:4 with linespoints lw 2 title "Xvfb"
set ylabel "ms / share of one core (%)"
plot "$table" using 1:5 with linespoints lw 2 title "all three, % of one core", \
     "$table" using 1:6 with linespoints lw 2 title "tick lateness, mean (ms)", \
     "$table" using 1:7 with linespoints lw 2 title "tick lateness, 95th percentile (ms)"
unset multiplot
PLOT
echo "plot: docs/images/animation-figures.png"
