#!/usr/bin/env bash
# Installs what is missing, builds Kalmeno (Release) with the companion programs
# and its run folder, and starts it there. Needs a graphical session.
# Tests and benchmarks are built by ./test.sh, not here.
set -euo pipefail
cd "$(dirname "$0")"
scripts/installer.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target kalmeno compagnons_run cassybio
cd build/run
exec ../kalmeno "$@"
