#!/usr/bin/env bash
# The long monkey run: the real main window driven offscreen by random pupil
# actions, one seed after another, until the time is up. Each seed runs
# ACTIONS actions in five rounds (the heap must not grow across them).
#   scripts/singe.sh [MINUTES (20)] [FIRST_SEED (1)] [ACTIONS (60000)] [BUILD_FOLDER (build)]
# A failing seed prints its seed and action number; its log is kept in
# BUILD_FOLDER/singe/. Replay one with
#   KALMENO_SINGE_GRAINE=S KALMENO_SINGE_EVENEMENTS=N tst_singe 'singe:graine choisie'
# A sanitized build folder (configured with -DCMAKE_CXX_FLAGS=-fsanitize=...)
# works the same way, more slowly.
set -uo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-20}
graine=${2:-1}
actions=${3:-60000}
b=${4:-build}

[ -f "$b/CMakeCache.txt" ] || cmake -S . -B "$b" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$b" -j2 --target tst_singe run_dir >/dev/null || { echo "build failed"; exit 1; }
B=$(cd "$b" && pwd)
export QT_QPA_PLATFORM=offscreen
export KALMENO_RUN_DIR=$B/run
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
mkdir -p "$B/singe"

fin=$(( $(date +%s) + minutes * 60 ))
graines=0; echecs=0; total=0
while [ "$(date +%s)" -lt "$fin" ]; do
    journal=$B/singe/graine_$graine.log
    debut=$(date +%s)
    (cd "$B/tests/app" && KALMENO_SINGE_GRAINE=$graine KALMENO_SINGE_EVENEMENTS=$actions \
        ./tst_singe 'singe:graine choisie') >"$journal" 2>&1
    rc=$?
    graines=$((graines + 1)); total=$((total + actions))
    if [ $rc -eq 0 ]; then
        printf 'seed %-8s %7d actions  %4d s  passed\n' "$graine" "$actions" $(( $(date +%s) - debut ))
        rm -f "$journal"
    else
        echecs=$((echecs + 1))
        printf 'seed %-8s %7d actions  %4d s  FAILED: %s\n' "$graine" "$actions" $(( $(date +%s) - debut )) \
            "$(grep -m1 -E 'FAIL!|seed [0-9]+,|ERROR: ' "$journal")"
    fi
    graine=$((graine + 1))
done
echo "$graines seeds, $total actions in $minutes min, $echecs failed"
[ $echecs -eq 0 ]
