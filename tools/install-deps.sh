#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need; quick when nothing is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-image-formats-plugins qt6-webengine-dev qt6-webchannel-dev libgl-dev
  libgumbo-dev libzip-dev zlib1g-dev
  libz-mingw-w64-dev gcc-mingw-w64-i686 binutils-mingw-w64-i686 gcc-mingw-w64-x86-64
  wine wine32:i386 wine64
  libgtest-dev xvfb
  clang libarchive-tools zip
  fonts-liberation2 fonts-dejavu fonts-comic-neue
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt-get update -qq
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
