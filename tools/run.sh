#!/usr/bin/env bash
# Builds the 64-bit program and starts Quantik under Wine.
#   tools/run.sh [BUILD]    BUILD is the build directory, build/win64 by default
# On the current display ($DISPLAY) the program runs until its window is closed. Without a
# display it runs on an Xvfb display of its own: once the window is up, a screenshot goes to
# build/quantik.png and the program is closed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win64}

tools/install-deps.sh
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" --target Quantik
exe=$(cd "$build/app" && pwd)/Quantik.exe

if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX=$(cd "$build" && pwd)/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [ -f "$WINEPREFIX/system.reg" ] || /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  exec /usr/lib/wine/wine64 "$exe"
fi

tools/wine-env.sh start "$build" >/dev/null
trap 'tools/wine-env.sh stop "$build"' EXIT
export DISPLAY=:$(cat "$build/wine-env/display")
tools/wine-env.sh run "$build" wine "$exe" &
program=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quantik$' | head -n 1)
# Give the window time for its first complete paint.
sleep 2
mkdir -p build
import -window root build/quantik.png
xdotool windowfocus --sync "$window" key Escape
for _ in $(seq 50); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
echo "Quantik ran on an Xvfb display; screenshot: $PWD/build/quantik.png"
