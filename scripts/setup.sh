#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need.
# Idempotent: a second run installs nothing and takes a second or two.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6opengl6-dev qt6-multimedia-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libglu1-mesa-dev libgl1-mesa-dri
  xvfb xauth imagemagick
  clang libclang-rt-14-dev
  fonts-wqy-microhei fonts-liberation2
  lintian appstream desktop-file-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
