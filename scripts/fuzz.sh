#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each one for a
# given time, then prints the executions and the findings of every target.
#   scripts/fuzz.sh [SECONDS_PER_TARGET (60)] [TARGET ...]
# Targets: fch nst ess0 couleurs cassybio bmp entier reel (default: all).
# Each target's corpus grows in build-fuzz/corpus/<target> from the seeds our
# writers made; a crashing input lands in build-fuzz/trouvailles/<target>/.
# Keep every finding, once fixed, in tests/fuzz/<target>/: the suite replays it.
set -uo pipefail
cd "$(dirname "$0")/.."
duree=${1:-60}
shift || true
cibles=("$@")
[ ${#cibles[@]} -eq 0 ] && cibles=(fch nst ess0 couleurs cassybio bmp entier reel)
b=build-fuzz

if [ ! -f $b/CMakeCache.txt ]; then
    CC=clang CXX=clang++ cmake -S . -B $b -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKALMENO_FUZZ=ON -DKALMENO_BENCH=OFF >/dev/null || exit 1
fi
cmake --build $b -j2 --target fuzz_tout graines_fuzz >/dev/null || { echo "build failed"; exit 1; }

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

resume=()
for c in "${cibles[@]}"; do
    corpus=$b/corpus/$c
    trouv=$b/trouvailles/$c
    mkdir -p "$corpus" "$trouv"
    cp -n $b/graines/$c/* "$corpus"/ 2>/dev/null
    [ -d tests/fuzz/$c ] && cp -n tests/fuzz/$c/* "$corpus"/ 2>/dev/null
    journal=$b/trouvailles/$c.log
    avant=$(ls "$trouv" | wc -l)
    $b/fuzz/fuzz_$c "$corpus" -max_total_time="$duree" -print_final_stats=1 -max_len=65536 \
        -rss_limit_mb=2048 -artifact_prefix="$trouv/" >"$journal" 2>&1
    rc=$?
    execs=$(grep -m1 'stat::number_of_executed_units' "$journal" | awk '{print $2}')
    vitesse=$(grep -m1 'stat::average_exec_per_sec' "$journal" | awk '{print $2}')
    apres=$(ls "$trouv" | wc -l)
    nouvelles=$((apres - avant))
    etat="ok"
    [ $rc -ne 0 ] && etat="FINDING (see $journal)"
    resume+=("$(printf '%-9s %12s %9s %7s %9s  %s' "$c" "${execs:-?}" "${vitesse:-?}" "$(ls "$corpus" | wc -l)" "$nouvelles" "$etat")")
done

printf '\n%-9s %12s %9s %7s %9s  %s\n' target executions exec/s corpus findings status
for l in "${resume[@]}"; do echo "$l"; done
