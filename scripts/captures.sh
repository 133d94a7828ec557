#!/usr/bin/env bash
# Screenshots of the six pages, taken in a real window under Xvfb.
# Usage: scripts/captures.sh [output folder]   (default: build/captures)
set -euo pipefail
cd "$(dirname "$0")/.."
sortie=$(realpath -m "${1:-build/captures}")
mkdir -p "$sortie"
command -v xdotool >/dev/null || { echo "xdotool is needed: apt-get install xdotool" >&2; exit 1; }
cd build/run
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    ../kalmeno & pid=$!
    sleep 3
    # Centres of the six tabs on a 1024 × 768 screen (the window is centred).
    xs=(180 305 413 520 643 754)
    for i in 0 1 2 3 4 5; do
        xdotool mousemove "${xs[$i]}" 116 click 1
        sleep 1
        import -window root "'"$sortie"'/page$i.png"
    done
    kill $pid
' >/dev/null 2>&1
ls "$sortie"
