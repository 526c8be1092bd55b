#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine on a
# private X display with the build's own Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/common.sh
build_all
start_xvfb 1024x768 || { echo "test: no X display could be started" >&2; exit 1; }
export DISPLAY=:$xvfb_display
cleanup() { "$wineserver_bin" -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
prepare_prefix
echo "Running the tests ($ZELVIK_ARCH build) on display $DISPLAY"
ctest --test-dir "$build_dir" --output-on-failure "$@"
