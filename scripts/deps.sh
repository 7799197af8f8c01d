#!/usr/bin/env bash
# Installs what the build, the tests and the program need on Debian 12, skipping what is there.
set -euo pipefail
# qt6-translations-l10n: Qt's own dialogs and buttons in Japanese; libqt6svg6: the svg icon plugins;
# poppler-utils: pdftotext reads the printed PDF back in the tests.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl1-mesa-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-ipafont-gothic fonts-ipafont-mincho xvfb xauth
          qt6-translations-l10n libqt6svg6 poppler-utils
          libreadstat-dev libxlsxwriter-dev libminizip-dev libexpat1-dev)
# The session test drives the program under a real X server and window manager.
session=(openbox xdotool xclip x11-utils)
# R, GNU PSPP and SBCL (a Lisp reader) read the exports back in the tests, xmllint and rsvg-convert
# the saved plots; their recommended extras are not needed. haven, readxl and openxlsx read and write
# the SPSS, Stata, SAS transport and Excel files that are exchanged with R.
readers=(r-base-core pspp sbcl libxml2-utils librsvg2-bin r-cran-haven r-cran-readxl r-cran-openxlsx)
# The package checks: lintian on the .deb, the desktop entry and the AppStream metainfo validators.
packaging=(lintian desktop-file-utils appstream dpkg-dev)
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
updated=""

install_missing() {  # [apt-get options...] -- packages...
  local options=() missing=()
  while [ "$1" != "--" ]; do options+=("$1"); shift; done
  shift
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  [ -n "$updated" ] || { $sudo_cmd apt-get update -qq; updated=1; }
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${options[@]}" "${missing[@]}"
}

install_missing -- "${packages[@]}"
install_missing --no-install-recommends -- "${readers[@]}"
install_missing --no-install-recommends -- "${packaging[@]}"
install_missing --no-install-recommends -- "${session[@]}"
