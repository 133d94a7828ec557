#!/usr/bin/env bash
# Installs the Debian packages Kalmeno needs to build, test and run, when missing.
set -euo pipefail
paquets=(g++ cmake make qt6-base-dev libgl-dev xvfb xauth fonts-liberation2 fonts-dejavu-core
         libbenchmark-dev clang libclang-rt-14-dev
         desktop-file-utils appstream dpkg-dev file xdotool imagemagick
         qt6-translations-l10n pkg-config libxlsxwriter-dev zlib1g-dev poppler-utils unzip)
source "$(dirname "${BASH_SOURCE[0]}")/paquets.sh"
installer_paquets "${paquets[@]}"
