#!/usr/bin/env bash
# Builds and runs every benchmark with repetitions and prints one table of
# medians, then the whole-process measures: launch to the first paint and the
# end of the start-up sequence, whichever comes last, and peak memory against an empty Qt main window (once painted, and
# at its show event; and, for what any text costs, with one line of text), and the CPU used
# while idle on each page with the two 100 ms timers running, and the CPU and
# memory the ions' animation takes at 100 and 150 %.
#   scripts/bancs.sh [BUILD_FOLDER (build)] [REPETITIONS (10)] [IDLE_SECONDS (5)]
# BANCS_OPTIONS adds Google Benchmark options, e.g. --benchmark_min_time=0.1;
# BANCS_PROCESSUS=1 runs the whole-process measures only.
set -uo pipefail
cd "$(dirname "$0")/.."
b=${1:-build}
n=${2:-10}
repos=${3:-5}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} # xcb on a display: what a pupil's screen costs

cmake -S . -B "$b" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cibles=$(cd bench && ls bench_*.cpp | sed 's/\.cpp$//')
cmake --build "$b" -j2 --target $cibles bench_proc_lancement bench_proc_fenetre_vide run_dir >/dev/null || { echo "build failed"; exit 1; }
B=$(cd "$b" && pwd)
export KALMENO_RUN_DIR=$B/run

[ -n "${BANCS_PROCESSUS:-}" ] || echo "== Benchmarks: medians of $n repetitions"
[ -n "${BANCS_PROCESSUS:-}" ] || printf '%-44s %14s %14s\n' benchmark "median (real)" "median (cpu)"
[ -n "${BANCS_PROCESSUS:-}" ] && cibles=
for c in $cibles; do
    "$B/bench/$c" --benchmark_repetitions="$n" --benchmark_report_aggregates_only=true \
        --benchmark_format=csv ${BANCS_OPTIONS:-} 2>/dev/null |
        awk -F, -v banc="$c" '/_median"?,/ {
            nom = $1; gsub(/"/, "", nom); sub(/_median$/, "", nom)
            printf "%-44s %11.3f %-3s %11.3f %s\n", banc ":" nom, $3, $5, $4, $5 }'
done

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One launch: prints "milliseconds peak_kB".
lancer() {
    local debut sortie fin pic
    debut=$(date +%s%N)
    sortie=$(cd "$B/run" && "$@" 2>/dev/null | head -1)
    fin=$(sed -n 's/.*fin_ns=\([0-9]*\).*/\1/p' <<<"$sortie")
    pic=$(sed -n 's/.*vmhwm_ko=\([0-9]*\).*/\1/p' <<<"$sortie")
    echo "$(( (fin - debut) / 1000 )) $pic" | awk '{ printf "%.2f %d\n", $1 / 1000, $2 }'
}

echo
echo "== Whole process, medians of $n launches, in turn (platform $QT_QPA_PLATFORM)"
# The empty window is measured twice: once painted, as Kalmeno is when its
# sequence runs (the reference of the ratios), once at its show event.
: >/tmp/bancs_k.$$; : >/tmp/bancs_v.$$; : >/tmp/bancs_m.$$; : >/tmp/bancs_t.$$
for i in $(seq "$n"); do
    lancer "$B/bench/bench_proc_lancement" >>/tmp/bancs_k.$$
    lancer "$B/bench/bench_proc_fenetre_vide" >>/tmp/bancs_v.$$
    lancer "$B/bench/bench_proc_fenetre_vide" --montre >>/tmp/bancs_m.$$
    lancer "$B/bench/bench_proc_fenetre_vide" --texte >>/tmp/bancs_t.$$
done
tk=$(cut -d' ' -f1 /tmp/bancs_k.$$ | median); mk=$(cut -d' ' -f2 /tmp/bancs_k.$$ | median)
tv=$(cut -d' ' -f1 /tmp/bancs_v.$$ | median); mv=$(cut -d' ' -f2 /tmp/bancs_v.$$ | median)
tm=$(cut -d' ' -f1 /tmp/bancs_m.$$ | median); mm=$(cut -d' ' -f2 /tmp/bancs_m.$$ | median)
tt=$(cut -d' ' -f1 /tmp/bancs_t.$$ | median); mt=$(cut -d' ' -f2 /tmp/bancs_t.$$ | median)
rm -f /tmp/bancs_k.$$ /tmp/bancs_v.$$ /tmp/bancs_m.$$ /tmp/bancs_t.$$
printf '%-44s %10s ms %10s kB\n' "Kalmeno: launch to first paint and sequence" "$tk" "$mk"
printf '%-44s %10s ms %10s kB\n' "empty Qt main window: launch to first paint" "$tv" "$mv"
printf '%-44s %10s ms %10s kB\n' "empty Qt main window: launch to show event" "$tm" "$mm"
printf '%-44s %10s ms %10s kB\n' "window with one line of text: first paint" "$tt" "$mt"
awk -v a="$tk" -v b="$tv" -v c="$mk" -v d="$mv" -v e="$tm" -v f="$mm" 'BEGIN {
    printf "%-44s %10.2f    (target <= 1.5; %.2f against the show event)\n", "start-up ratio", a / b, a / e
    printf "%-44s %10.2f    (target <= 1.3; %.2f against the show event)\n", "peak memory ratio", c / d, c / f }'

echo
echo "== CPU while idle, ${repos} s per page after start-up (median of 3)"
for page in 0 1 2 3 4 5; do
    v=$(for i in 1 2 3; do
        (cd "$B/run" && "$B/bench/bench_proc_lancement" --repos "$repos" "$page" 2>/dev/null) |
            sed -n 's/.*cpu_pct=\([0-9.]*\).*/\1/p'
    done | median)
    printf '%-44s %10s %% of a core   (target < 1)\n' "page $page" "$v"
done

echo
echo "== The ions' animation running, ${repos} s at 100 % and at 150 % (median of 5)"
for taille in 100 150; do
    : >/tmp/bancs_a.$$
    for i in 1 2 3 4 5; do
        (cd "$B/run" && QT_SCALE_FACTOR=$(awk -v t="$taille" 'BEGIN { print t / 100 }') \
            "$B/bench/bench_proc_lancement" --animation "$repos" 2>/dev/null) |
            sed -n 's/.*cpu_pct=\([0-9.]*\) rss_ko=\([0-9]*\).*/\1 \2/p' >>/tmp/bancs_a.$$
    done
    printf '%-44s %10s %% of a core %8s kB resident\n' "animation at $taille %" \
        "$(cut -d' ' -f1 /tmp/bancs_a.$$ | median)" "$(cut -d' ' -f2 /tmp/bancs_a.$$ | median)"
done
rm -f /tmp/bancs_a.$$

