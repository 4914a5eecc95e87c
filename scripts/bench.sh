#!/usr/bin/env bash
# Builds the benchmarks (Release), generates the shop when needed and runs every measure.
#   scripts/bench.sh [Google Benchmark options...]   e.g. --benchmark_filter=chercher
# BENCH_BUILD_DIR (default build-bench) and BENCH_SHOP_DIR (default <build>/boutique) choose
# where; the shop (about 230 MB) is built once and reused while the schema is unchanged.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BENCH_BUILD_DIR:-build-bench}
shop=${BENCH_SHOP_DIR:-$build/boutique}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTALVEX_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target talvex_generer_boutique talvex_bench talvex_bench_comptoir -j"$(nproc)"
"$build/bin/talvex_generer_boutique" "$shop"
# Repetitions interleaved at random, so that a passing load weighs on every measure alike;
# the summary keeps each median. Options given to the script come after and win.
"$build/bin/talvex_bench" --boutique="$shop" --benchmark_repetitions=3 \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true "$@"
# The counter with the real windows, offscreen, on the same shop; its working copy
# (comptoir.db) goes into the shop's folder.
bin=$(cd "$build/bin" && pwd)
shop=$(cd "$shop" && pwd)
cd "$shop"
QT_QPA_PLATFORM=offscreen "$bin/talvex_bench_comptoir" --boutique="$shop" "$@"
