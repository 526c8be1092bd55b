#!/usr/bin/env bash
# Measures the region-capture tool under Wine on a 1024×768 and a 3840×2160
# X display and writes results.md. Usage: bash bench/region-capture/run.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
# Only what the measurement needs: the shipped i686 tool, and the build that runs here.
cmake --preset mingw >/dev/null && cmake --build --preset mingw --target region_capture >/dev/null
[ -f "$build_dir/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target region_capture_bench >/dev/null
rounds=${1:-9}
out=bench/region-capture/results.md
rows=()
if [ "$ZELVIK_ARCH" = i686 ]; then wine_bin=wine; else wine_bin=/usr/lib/wine/wine64; fi
# A Wine prefix of the benchmark's own: the tests' shared prefix may be in
# use on another display, and its wineserver keeps that display's desktop.
export WINEPREFIX=$PWD/$build_dir/bench-wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
for size in 1024x768 3840x2160; do
  start_xvfb $size || { echo "bench: no X display" >&2; exit 1; }
  export DISPLAY=:$xvfb_display
  [ -f "$WINEPREFIX/system.reg" ] || { "$wine_bin" wineboot -i >/dev/null 2>&1; "$wineserver_bin" -w; }
  "$wineserver_bin" -p
  rows+=("$("$wine_bin" "$build_dir/bin/region_capture_bench.exe" "$rounds" | tr -d '\r')")
  "$wineserver_bin" -k 2>/dev/null || true
  "$wineserver_bin" -w 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
done
size=$(stat -c %s build/bin/region-capture.exe)
{
  echo "# Region capture: measured figures"
  echo
  echo "Produced by \`bash bench/region-capture/run.sh $rounds\` on $(date -u +%Y-%m-%d) ($ZELVIK_ARCH build under Wine, Xvfb)."
  echo
  echo "File size of the shipped i686 \`build/bin/region-capture.exe\`: $size bytes (budget 104,016)."
  echo
  echo "Cold start: median over the rounds, CreateProcess until the full-screen window is shown with no paint pending;"
  echo "the two programs alternate. Budget: the tool at most 1.15 × the minimal grab-and-show program."
  echo "Memory: peak private bytes after dragging a selection over most of the screen. Budget: the tool's excess over"
  echo "the minimal program (which holds the frozen picture) at most one more picture (the back buffer) plus 4 MiB."
  echo
  echo "| screen | rounds | tool start | minimal start | ratio | tool peak | minimal peak | one picture | tool − minimal | allowed | memory |"
  echo "|---|---|---|---|---|---|---|---|---|---|---|"
  for row in "${rows[@]}"; do echo "$row"; done
} > "$out"
cat "$out"
