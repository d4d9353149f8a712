#!/usr/bin/env bash
# Installs what Ballforge needs to build, run and test, from Debian packages.
# Quick when everything is present: it only calls apt-get for what is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6svg6 libqscintilla2-qt6-dev
    libgtest-dev libgmock-dev
    libpugixml-dev libpng-dev zlib1g-dev
    python3 python3-pefile
    xvfb xauth x11-apps imagemagick
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
