#!/usr/bin/env bash
# Installs every Debian package the suite needs to build, test and run.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev libqt6svg6
  libglu1-mesa-dev libgl1-mesa-dev libosmesa6-dev libgl1-mesa-dri
  xvfb xauth x11-utils imagemagick
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  libgdal-dev libtinygltf-dev zlib1g-dev
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
