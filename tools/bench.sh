#!/usr/bin/env bash
# Builds the benchmarks of the portable core with the native preset (RelWithDebInfo, no
# sanitizers) and runs them. Arguments go to the benchmark program, for example
# --benchmark_filter=Number or --benchmark_repetitions=5. BUILD_DIR picks another build tree.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build/native}
cmake --preset native -B "$build" >/dev/null
cmake --build "$build" --target core_bench --parallel "$(nproc)"
"$build/bench/core_bench" "$@"
