#!/usr/bin/env bash
# Installs what is missing, builds, and starts TALVEX. The shop's files (DB/, CONFIG/)
# live in the working directory: var/ of the checkout unless TALVEX_HOME names another.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
bash scripts/install-deps.sh
bash scripts/build.sh
home=${TALVEX_HOME:-$top/var}
mkdir -p "$home"
cd "$home"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting TALVEX under a virtual X server (xvfb-run)." >&2
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$top/build/bin/talvex" "$@"
fi
exec "$top/build/bin/talvex" "$@"
