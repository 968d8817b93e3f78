#!/usr/bin/env bash
# Installs the Debian packages the build needs, and any named as arguments, that are missing;
# apt is only asked when one is.
set -euo pipefail

packages=(
    cmake g++ make qt6-base-dev
    # Faces for every character the window shows: a Ming face with 宋体's metrics, a Song serif
    # with full CJK coverage, and a Times New Roman metric twin for the banner title.
    fonts-arphic-uming fonts-noto-cjk fonts-liberation2
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
