#!/usr/bin/env bash
# Screenshots of the six pages, taken in a real window under Xvfb.
# Usage: scripts/captures.sh [output folder] [command...]
#   Without a command, the program built in build/ (or $KALMENO_BUILD) is
#   started in its run folder.
#   With one, that command is started from the current folder (the installed
#   program, for instance).
# The nerve page is shown with a 0.50 V stimulus and its recorded response.
# Writes page0.png … page5.png and processus.txt: the folder the program runs
# in, its executable, how many windows it shows (1 unless an error report came
# up), what its "c:\csb" folder holds, and whether "Quitter" closed it and
# removed that folder.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=$(realpath -m "${KALMENO_BUILD:-$racine/build}")
export SORTIE=$(realpath -m "${1:-$construction/captures}")
shift || true
mkdir -p "$SORTIE"
command -v xdotool >/dev/null || { echo "xdotool is needed: apt-get install xdotool" >&2; exit 1; }
command -v import >/dev/null || { echo "import is needed: apt-get install imagemagick" >&2; exit 1; }
if [ $# -eq 0 ]; then
    cd "$construction/run"
    set -- ../kalmeno
fi
rm -f "$SORTIE"/page?.png "$SORTIE/processus.txt"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$@" & pid=$!
    sleep 3
    {
        echo "cwd=$(readlink /proc/$pid/cwd)"
        echo "exe=$(readlink /proc/$pid/exe)"
        echo "fenetres=$(xdotool search --onlyvisible --pid "$pid" --name ".+" 2>/dev/null | wc -l)"
        if [ -n "${XDG_RUNTIME_DIR:-}" ]; then csb=$XDG_RUNTIME_DIR/kalmeno/csb
        else csb=${XDG_CACHE_HOME:-$HOME/.cache}/kalmeno/csb; fi
        echo "csb=$(ls "$csb" 2>/dev/null | tr "\n" " ")"
    } > "$SORTIE/processus.txt"
    # The screenshots keep the main window only (an error report would be over it).
    fenetre=$(xdotool search --onlyvisible --pid "$pid" --name "Kalmeno" 2>/dev/null | head -1)
    eval "$(xdotool getwindowgeometry --shell "$fenetre")"
    cadre="${WIDTH}x${HEIGHT}+${X}+${Y}"
    # Centres of the six tabs on a 1024 × 768 screen (the window is centred).
    xs=(180 305 413 520 643 754)
    for i in 0 1 2 3 4 5; do
        xdotool mousemove "${xs[$i]}" 116 click 1
        sleep 1
        # On the nerve page, raise the stimulus to 0.50 V (five page steps of
        # the intensity bar) so that the action potential is recorded.
        if [ $i -eq 3 ]; then
            for k in 1 2 3 4 5; do xdotool mousemove 868 262 click 1; sleep 0.3; done
            sleep 1
        fi
        import -window root -crop "$cadre" +repage "$SORTIE/page$i.png"
    done
    # "Fichier" > "Quitter" (the last item of the menu), so that the program cleans up.
    xdotool mousemove $((X + 29)) $((Y + 9)) click 1
    sleep 0.5
    xdotool key Up Return
    for k in 1 2 3 4 5 6 7 8 9 10; do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
    if kill -0 $pid 2>/dev/null; then
        kill $pid
        echo "ferme=0" >> "$SORTIE/processus.txt"
    else
        echo "ferme=1" >> "$SORTIE/processus.txt"
        echo "csb_apres=$(ls -d "$csb" 2>/dev/null)" >> "$SORTIE/processus.txt"
    fi
' _ "$@" >/dev/null 2>&1
ls "$SORTIE"
