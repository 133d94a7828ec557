#!/usr/bin/env bash
# Installs the Debian packages Kalmeno needs to build, test and run, when missing.
set -euo pipefail
paquets=(g++ cmake make qt6-base-dev libgl-dev xvfb xauth fonts-liberation2 fonts-dejavu-core
         libbenchmark-dev clang libclang-rt-14-dev
         desktop-file-utils appstream dpkg-dev file xdotool imagemagick
         qt6-translations-l10n pkg-config libxlsxwriter-dev zlib1g-dev poppler-utils unzip)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installing: ${manquants[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi
