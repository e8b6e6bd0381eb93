#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the project.
# Idempotent: only missing packages are installed, and the package index is
# refreshed once, only when something has to be installed.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-translations-l10n qt6-qpa-plugins
  libqt6sql6-sqlite libqt6svg6 libgl-dev
  libxlsxwriter-dev sqlite3 python3-openpyxl
  fonts-wqy-microhei poppler-utils xvfb imagemagick libxcb1-dev
  fusefat dosfstools
)
# The disk that ignores letter case for tst_caseblinddisk: fusefat needs FUSE,
# whose package fuse gives the fusermount it mounts and unmounts with. A
# machine with fuse3 has FUSE already, and fuse would replace it: asked for
# only where fuse3 is not installed.
if ! dpkg-query -W -f='${Status}' fuse3 2>/dev/null | grep -q "install ok installed"; then
  packages+=(fuse)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

# Installing needs root: run as root, or as a user who may use sudo.
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "install-deps.sh: these packages are missing: ${missing[*]}" >&2
    echo "install-deps.sh: installing them needs root, and sudo is not available." >&2
    echo "install-deps.sh: run this script as root (su -c 'bash scripts/install-deps.sh')," >&2
    echo "install-deps.sh: or install sudo and give your user the right to use it." >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
