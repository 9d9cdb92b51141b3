#!/usr/bin/env bash
# Timing figures of the converter window under Wine, on an Xvfb display of its own: start-up
# to the first complete paint of Quantik.exe against the bare dialog made from the same
# template, and the time from a typed digit to the shown result against one WM_SETTEXT plus
# WM_GETTEXT on the result field. Builds the win64 preset first.
#   tools/bench-window.sh [BUILD]      (BUILD defaults to build/win64)
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
build=${1:-build/win64}
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" --target Quantik bench_baseline_dialog window_bench

# The harness starts the programs with CreateProcess, which wants Windows paths; Wine maps
# the Unix root to drive Z:.
winpath() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }

tools/wine-env.sh start "$build" >/dev/null
trap 'tools/wine-env.sh stop "$build"' EXIT
mapfile -t programs <"$build/bench/wine/programs.txt"
tools/wine-env.sh run "$build" wine "$build/bench/wine/window_bench.exe" \
  "$(winpath "${programs[0]}")" "$(winpath "${programs[1]}")"
