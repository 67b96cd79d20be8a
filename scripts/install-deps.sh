#!/usr/bin/env bash
# Installs, with apt, whatever the build and the tests need and is missing.
# Safe to run again: it does nothing when everything is present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev          # sanitizers and libFuzzer for the test build
  qt6-base-dev
  libhidapi-dev
  libx11-dev libxi-dev libxtst-dev  # input capture for the macro recorder
  xvfb xdotool x11-utils imagemagick
  desktop-file-utils                # checks the installed desktop entry
  fonts-crosextra-carlito fonts-wqy-microhei  # the skin's Latin/Cyrillic and Chinese faces
  libgtest-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo for apt-get" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
