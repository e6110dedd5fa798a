#!/bin/sh
# Builds the benchmarks of bench/ in build-bench/ (optimised) and runs
# them; arguments go to the benchmark program, for example
#   scripts/bench.sh --benchmark_filter=Wardrobe
# The stores are generated in a temporary folder at every run.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/common.sh"
install_missing $BUILD_PACKAGES libbenchmark-dev
build "$ROOT/build-bench" -DTAVOLIN_BENCH=ON -DCMAKE_BUILD_TYPE=Release
exec "$ROOT/build-bench/bench/bench_window" "$@"
