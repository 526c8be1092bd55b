#!/usr/bin/env bash
# Measures the launcher against a minimal program under Wine on a 1024×768
# Xvfb display and writes bench/launcher/results.md.
# Usage: bash bench/launcher/run.sh [start-up samples] [latency presses] [memory presses]
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
cmake --preset mingw >/dev/null && cmake --build --preset mingw --target zelvik >/dev/null
[ -f "$build_dir/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target bench_launcher >/dev/null
if [ "$ZELVIK_ARCH" = i686 ]; then wine_bin=wine; else wine_bin=/usr/lib/wine/wine64; fi
# A prefix of the benchmark's own, so that a test run elsewhere is not disturbed.
export WINEPREFIX=$PWD/$build_dir/bench-wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
start_xvfb 1024x768 || { echo "bench: no X display" >&2; exit 1; }
export DISPLAY=:$xvfb_display
trap '"$wineserver_bin" -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT
# Nothing left over from an interrupted run may hold F2.
"$wineserver_bin" -k 2>/dev/null || true
"$wineserver_bin" -w 2>/dev/null || true
[ -f "$WINEPREFIX/system.reg" ] || { "$wine_bin" wineboot -i >/dev/null 2>&1; "$wineserver_bin" -w; }
"$wineserver_bin" -p 2>/dev/null || true
"$wine_bin" wineboot >/dev/null 2>&1 </dev/null || true
args=("${1:-20}" "${2:-1000}" "${3:-10000}")
table=$("$wine_bin" "$build_dir/bin/bench_launcher.exe" "${args[@]}" | tr -d '\r')
size=$(stat -c %s build/bin/zelvik.exe)
{
  echo "# Launcher: measured figures"
  echo
  echo "Produced by \`bash bench/launcher/run.sh ${args[*]}\` on $(date -u +%Y-%m-%d) ($ZELVIK_ARCH build under Wine $("$wine_bin" --version), Xvfb 1024×768, $(nproc) cores, $(uname -m))."
  echo
  echo "File size of the shipped i686 \`build/bin/zelvik.exe\`, the capture tool inside: $size bytes (budget 262,144)."
  echo
  echo "Start-up: CreateProcess until the window's top-left outline pixel is on the screen (mapped and painted)."
  echo "Hotkey latency: SendInput of F2 until a WH_KEYBOARD_LL hook sees the chord's first key; the launcher's"
  echo "re-arming presses are not timed. The minimal program registers F2 and on each press only minimises its"
  echo "window and sends Alt+PrintScreen with keybd_event."
  echo
  echo "$table"
} > bench/launcher/results.md
cat bench/launcher/results.md
