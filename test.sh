#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless,
# then runs the whole suite again built with AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")"
scripts/installer.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKALMENO_SANITIZE=ON -DKALMENO_BENCH=OFF
cmake --build build-asan -j2
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j2
