# Shared by run.sh and test.sh: which build runs on this machine.
# Machines whose kernel cannot run 32-bit code (no IA-32 emulation) run the
# 64-bit build of the same sources under wine64.
can_run_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

if [ "${ZELVIK_ARCH:-}" = "" ]; then
  if can_run_32bit; then ZELVIK_ARCH=i686; else ZELVIK_ARCH=x64; fi
fi
if [ "$ZELVIK_ARCH" = i686 ]; then
  preset=mingw; build_dir=build
  wineserver_bin=/usr/lib/wine/wineserver
else
  preset=mingw-x64; build_dir=build/x64
  wineserver_bin=/usr/lib/wine/wineserver64
fi

build_all() {
  if [ "$ZELVIK_ARCH" != i686 ]; then
    # The shipped 32-bit programs are always built.
    cmake --preset mingw >/dev/null && cmake --build --preset mingw
  fi
  [ -f "$build_dir/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
}

# A private X display: sets xvfb_display and xvfb_pid.
start_xvfb() {
  local size=${1:-1024x768}
  for n in $(seq 90 140); do
    [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 ${size}x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      xdpyinfo -display :$n >/dev/null 2>&1 && { xvfb_display=$n; return 0; }
      kill -0 $xvfb_pid 2>/dev/null || break
      sleep 0.1
    done
  done
  return 1
}

# The build's own Wine prefix, created once.
prepare_prefix() {
  export WINEPREFIX=$PWD/$build_dir/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once)..."
    "$wineserver_bin" -k 2>/dev/null || true
    if [ "$ZELVIK_ARCH" = i686 ]; then wine wineboot -i >/dev/null 2>&1; else /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1; fi
    "$wineserver_bin" -w
  fi
  # A persistent wineserver: each Wine process then starts in a fraction of a second.
  # (It fails when this prefix's server runs already, which serves as well.)
  "$wineserver_bin" -p 2>/dev/null || true
  # Start Wine's background services now, detached from our output: started by
  # the first test instead, they would hold its output pipe open for good.
  "$(scripts/wine-loader "$build_dir/bin/probe.exe")" wineboot >/dev/null 2>&1 </dev/null || true
}
