#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks optimised in build-bench/ and runs them, each
# figure from 15 repetitions interleaved in random order. Extra arguments go to the benchmark
# program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/packages.sh libbenchmark-dev
[ -f build-bench/CMakeCache.txt ] ||
    cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCHMARKS=ON -DBUILD_TESTING=OFF
cmake --build build-bench --target bench_window --parallel "$(nproc)"
build-bench/bench/bench_window --benchmark_repetitions=15 --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.2 --benchmark_enable_random_interleaving=true "$@"
