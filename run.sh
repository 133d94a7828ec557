#!/usr/bin/env bash
# Installs what is missing, builds Kalmeno (Release) and starts it in its run directory.
set -euo pipefail
cd "$(dirname "$0")"
scripts/installer.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2
cd build/run
exec ../kalmeno "$@"
