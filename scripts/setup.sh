#!/usr/bin/env bash
# Installs the Debian 12 packages antkeys needs to build, test and run.
# Uses sudo when not run as root. Safe to run again. With --coverage it also installs gcovr,
# which scripts/coverage.sh needs.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl1-mesa-dev qt6-l10n-tools qt6-tools-dev
  libicu-dev libxkbcommon-dev x11proto-dev
  xvfb xauth x11-xkb-utils xkb-data libxml2-utils
  fonts-dejavu-core fonts-noto-core
  libc-bin locales
  help2man man-db lintian desktop-file-utils appstream librsvg2-bin dpkg-dev file
)
if [ "${1:-}" = "--coverage" ]; then packages+=(gcovr); fi

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "setup: all packages present"
fi
