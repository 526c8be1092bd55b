#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zelvik under Wine: on $DISPLAY
# when there is one, otherwise on a private Xvfb display, of which it saves a
# screenshot to build/zelvik.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/common.sh
build_all
private=
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb 1024x768 || { echo "run: no X display could be started" >&2; exit 1; }
  export DISPLAY=:$xvfb_display private=1
fi
prepare_prefix
exe=$PWD/$build_dir/bin/zelvik.exe
"$(scripts/wine-loader "$exe")" "$exe" &
app=$!
cleanup() { kill $app 2>/dev/null || true; "$wineserver_bin" -k 2>/dev/null || true; [ -n "$private" ] && kill "$xvfb_pid" 2>/dev/null; true; }
trap cleanup EXIT INT TERM
if [ -n "$private" ]; then
  for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q 'Zelvik' && break
    sleep 0.2
  done
  sleep 1  # let the first paint finish
  import -window root build/zelvik.png
  echo "Screenshot: $PWD/build/zelvik.png"
  echo "Zelvik is running on the private display $DISPLAY; Ctrl+C ends it."
fi
wait $app
