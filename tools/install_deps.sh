#!/usr/bin/env bash
# Installs the Debian packages the workbench needs, and only those that are missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config clang-format
    libsqlite3-dev nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-charts-dev qt6-multimedia-dev libqt6svg6 libqt6opengl6-dev libgl-dev
    fonts-ipafont fonts-ipaexfont
    xvfb xauth poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages and not root: run as root or install them: ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
