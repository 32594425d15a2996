#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Kvarnel
# needs. Idempotent: when everything is present it only asks dpkg and exits.
set -euo pipefail

packages=(
  build-essential
  cmake
  clang
  libclang-rt-14-dev
  pkg-config
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  libjpeg62-turbo-dev
  libgif-dev
  libpng-dev
  libcairo2-dev
  libsdl2-dev
  libx11-dev
  libsdl2-mixer-dev
  libsdl2-ttf-dev
  libfontconfig-dev
  libfluidsynth-dev
  timgm6mb-soundfont
  libavformat-dev
  libavcodec-dev
  libavutil-dev
  libswscale-dev
  fonts-liberation2
  fonts-urw-base35
  fonts-dejavu-core
  fonts-dejavu-extra
  xvfb
  xauth
  time
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
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
