#!/usr/bin/env bash
# Installs the Debian packages the build needs, where they are missing
# (dpkg-dev, desktop-file-utils and appstream for the Debian package and the
# checks of its desktop entry and AppStream file; poppler-utils for the tests
# that read printed PDF pages; clang and its runtime libraries for the fuzzing
# harnesses of scripts/fuzz.sh). Qt Network, which "Update Results" uses,
# comes with qt6-base-dev.
set -euo pipefail
packages=(
  cmake g++ make pkg-config ccache
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  dpkg-dev desktop-file-utils appstream
  poppler-utils
  clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
