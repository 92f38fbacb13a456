#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run tesk.
set -euo pipefail

packages=(
    build-essential cmake pkg-config binutils python3
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-l10n-tools qt6-translations-l10n
    libgl-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev libcapstone-dev clang-format libelf-dev
    xvfb xauth openbox libx11-dev libxtst-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    sudo=""
    if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
