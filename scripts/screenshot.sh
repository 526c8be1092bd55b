#!/usr/bin/env bash
# Builds, starts Zelvik under Wine on a private Xvfb display and saves a
# screenshot of its window, with a small margin, to docs/window.png (or the
# file given as the first argument).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/window.png}
bash scripts/setup.sh
source scripts/common.sh
build_all
start_xvfb 1024x768 || { echo "screenshot: no X display could be started" >&2; exit 1; }
export DISPLAY=:$xvfb_display
prepare_prefix
exe=$PWD/$build_dir/bin/zelvik.exe
"$(scripts/wine-loader "$exe")" "$exe" >/dev/null 2>&1 &
app=$!
cleanup() { kill $app 2>/dev/null || true; "$wineserver_bin" -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT INT TERM

# The window's X geometry once it is mapped.
geometry=
for _ in $(seq 150); do
  id=$(xwininfo -root -tree 2>/dev/null | awk '/Zelvik/ && /280x110/ {print $1; exit}')
  if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
    info=$(xwininfo -id "$id")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    geometry="$x $y"
    break
  fi
  sleep 0.2
done
[ -n "$geometry" ] || { echo "screenshot: the window did not show" >&2; exit 1; }
read -r x y <<<"$geometry"

# Painting ends shortly after mapping: take shots until two in a row agree.
margin=8
crop="$((280 + 2 * margin))x$((110 + 2 * margin))+$((x - margin))+$((y - margin))"
tmp=$(mktemp -d)
previous=
for i in $(seq 30); do
  import -window root -crop "$crop" +repage "$tmp/$i.png"
  sum=$(convert "$tmp/$i.png" rgb:- | md5sum)
  [ "$sum" = "$previous" ] && break
  previous=$sum
  sleep 0.3
done
mkdir -p "$(dirname "$out")"
cp "$tmp/$i.png" "$out"
rm -rf "$tmp"
echo "Screenshot: $PWD/$out"
