#!/usr/bin/env bash
# The launcher's window as the X server shows it: an X window whose UTF-8
# title (_NET_WM_NAME) is the program's Chinese title.
set -euo pipefail
exe=$1
loader=$("$(dirname "$0")/../../scripts/wine-loader" "$exe")
export WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
"$loader" "$exe" &
app=$!
trap 'kill $app 2>/dev/null || true; wait $app 2>/dev/null || true' EXIT
expected='Zelvik专业截图1.0'
for _ in $(seq 150); do
  window=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$expected\"" | awk '{print $1}' | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "${window:-}" ] || { echo "no X window titled $expected"; xwininfo -root -tree | head -20; exit 1; }
name=$(xprop -id "$window" _NET_WM_NAME)
echo "$name"
case $name in
  *"\"$expected\""*) ;;
  *) echo "_NET_WM_NAME is not the UTF-8 title"; exit 1 ;;
esac
geometry=$(xwininfo -id "$window" | grep -E 'Width|Height' | tr -s ' ')
echo "$geometry"
echo "$geometry" | grep -q 'Width: 280' && echo "$geometry" | grep -q 'Height: 110'
