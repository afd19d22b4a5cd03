#!/usr/bin/env bash
# Installs everything needed to build, run and test the engine on Debian.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
packages=(
  build-essential cmake pkg-config python3
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
  libgl-dev libglu1-mesa-dev libglew-dev libgl1-mesa-dri mesa-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  libx11-dev xvfb xauth xdotool x11-utils imagemagick
  libpng-dev libfreetype-dev fonts-dejavu-core
  libpugixml-dev
  assimp-utils libassimp-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
