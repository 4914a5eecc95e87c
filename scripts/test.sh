#!/usr/bin/env bash
# Installs what is missing, builds, starts a throw-away PostgreSQL cluster on loopback,
# runs the whole test suite on both engines, and stops the cluster on every exit path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cluster=$(mktemp -d /tmp/talvex-pg.XXXXXX)
port=${TALVEX_TEST_PG_PORT:-54329}
trap 'bash scripts/pg-cluster.sh stop "$cluster"' EXIT INT TERM
export TALVEX_TEST_PG=$(bash scripts/pg-cluster.sh start "$cluster" "$port")
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j"$(nproc)" "$@"
