#!/usr/bin/env bash
# Installs the Debian packages Kalvo needs to build and test, or only the packages named
# as arguments. Idempotent: when every package is already present it changes nothing and
# needs no network.
set -euo pipefail

packages=("$@")
[ ${#packages[@]} -gt 0 ] || packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev libqt6printsupport6 libqt6svg6 qt6-svg-dev
  libqcustomplot-dev
  qt6-declarative-dev qt6-datavisualization-dev
  xvfb xauth libgl1-mesa-dri
  bc libreadline-dev
  desktop-file-utils appstream groff-base dpkg-dev file
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
