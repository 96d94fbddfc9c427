#!/usr/bin/env bash
# Installs every Debian package the game, its asset generator, its tests and
# its benchmarks need. Safe to run again: packages already there are kept.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libsfml-dev libenet-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth libgl1-mesa-dri libglx-mesa0 mesa-utils
  espeak-ng fonts-league-spartan
  clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
