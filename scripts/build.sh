#!/usr/bin/env bash
# Configures and builds TALVEX in build/ (or $BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} -DTALVEX_BUILD_BENCH=${TALVEX_BUILD_BENCH:-OFF} >/dev/null
cmake --build "$build" -j"$(nproc)"
