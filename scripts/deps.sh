#!/usr/bin/env bash
# Installs what the build, the tests and the program need on Debian 12, skipping what is there.
set -euo pipefail
# qt6-translations-l10n: Qt's own dialogs and buttons in Japanese; libqt6svg6: the svg icon plugins.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl1-mesa-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-ipafont-gothic fonts-ipafont-mincho xvfb xauth
          qt6-translations-l10n libqt6svg6)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
