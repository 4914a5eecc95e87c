#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages TALVEX needs to build, test and run,
# skipping the call when everything is already there. Run as root.
set -euo pipefail
packages=(
    qt6-base-dev qt6-charts-dev libqt6sql6-sqlite libqt6sql6-psql qt6-svg-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6opengl6-dev
    libgl-dev libxkbcommon-dev cmake g++ make libsqlite3-dev sqlite3 postgresql
    libbenchmark-dev libzint-dev clang-format xvfb xauth xdotool imagemagick poppler-utils
    fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" != 0 ]; then
        echo "Run as root to install the missing packages." >&2
        exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
