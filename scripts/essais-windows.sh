#!/usr/bin/env bash
# The Windows build tried under wine, on a virtual screen: the whole test
# suite, then the portable folder as a teacher would use it (help, data out
# of a grid, a picture of every page next to the Linux build's, when there is
# one in build/), then the installer, silent, for one user: installed,
# started in its start folder, uninstalled. Called by scripts/windows.sh --test.
#
#   scripts/essais-windows.sh BUILD_FOLDER Kalmeno-<version>
set -uo pipefail

construction=$1
nom=$2
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
vin=$racine/scripts/wine-essai.sh
# The portable folder and the installed program run on plain wine: no path to
# the kit's libraries, so a library missing from the folder shows.
nu() { WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wine "$@"; }
portable=$construction/$nom
sortie=$construction/essais-windows
rm -rf "$sortie"
mkdir -p "$sortie"
# ESSAIS_SUITE=0 leaves the suite out (the end-to-end checks only).
echecs=0
echec() { echo "ÉCHEC : $*"; echecs=$((echecs + 1)); }

# A virtual screen for the windows wine opens.
n=57
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
ecran=:$n
Xvfb $ecran -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$ecran
sleep 1

if [ "${ESSAIS_SUITE:-1}" = 0 ]; then
    echo "== La suite de tests : laissée de côté (ESSAIS_SUITE=0)"
else
echo "== La suite de tests sous wine"
debut=$(date +%s)
# The monkey test with as many actions as under the sanitizers (wine's
# windows are slower); its heap bound holds for full runs only.
export KALMENO_SINGE_EVENEMENTS=${KALMENO_SINGE_EVENEMENTS:-600}
# One test at a time: their windows share the screen and the keyboard.
if ctest --test-dir "$construction" -j1 --timeout 400 -V > "$sortie/ctest.log" 2>&1; then
    echo "$(grep -aE 'tests passed' "$sortie/ctest.log") ($(( $(date +%s) - debut )) s)"
else
    grep -aE 'tests passed|\*\*\*Failed|\*\*\*Timeout' "$sortie/ctest.log"
    echec "suite de tests (journal : $sortie/ctest.log)"
fi
grep -aoh 'SKIP   : .*' "$sortie/ctest.log" | sort -u | sed 's/^/  /' || true
fi

# The portable folder, started from its own folder as a double click does, in
# a wine prefix of its own (a fresh machine).
export WINEPREFIX=$sortie/prefixe-portable
nu wineboot -i >/dev/null 2>&1
cd "$portable" || exit 1
echo "== Dossier portable"
aide=$(nu kalmeno.exe --help 2>&1)
grep -q "^Utilisation : kalmeno" <<<"$aide" && echo "--help : en français" || echec "--help"

linux=$racine/build/kalmeno
grille=$construction/graines/fch/classe.fch
for option in --csv --analyse-fechner; do
    fichier=$sortie/grille${option#--}.txt
    nu kalmeno.exe "$option" "Z:$grille" > "$fichier" 2>/dev/null || echec "$option"
    if [ -x "$linux" ]; then
        if (cd "$racine/build/run" && "$linux" "$option" "$grille") | cmp -s - "$fichier"; then
            echo "$option : identique à la sortie Linux"
        else
            echec "$option diffère de la sortie Linux ($fichier)"
        fi
    else
        [ -s "$fichier" ] && echo "$option : $(wc -l < "$fichier") lignes (pas de construction Linux pour comparer)"
    fi
done

# Every page's picture; with a Linux build, the pixels that differ.
for page in 0 1 2 3 4 5; do
    image=$sortie/page$page-windows.png
    nu kalmeno.exe --capture "$page" "Z:$image" >/dev/null 2>&1
    [ -s "$image" ] || { echec "--capture $page"; continue; }
    if [ -x "$linux" ]; then
        reference=$sortie/page$page-linux.png
        (cd "$racine/build/run" && QT_QPA_PLATFORM=offscreen "$linux" --capture "$page" "$reference") >/dev/null 2>&1
        # The face colour is the system's own (245 here against 239): within
        # 3 %, so that what differs is drawings and text.
        differents=$(compare -fuzz 3% -metric AE "$image" "$reference" "$sortie/page$page-ecarts.png" 2>&1 >/dev/null)
        total=$(identify -format '%[fx:w*h]' "$reference")
        echo "page $page : $differents pixels sur $total diffèrent de Linux (carte : page$page-ecarts.png)"
    else
        echo "page $page : image écrite"
    fi
done

# Screenshots of the real window, driven as a pupil drives it: each tab
# clicked; on the nerve page a 0.50 V stimulus (five clicks on the intensity
# bar); then "Fichier" > "Quitter".
nu kalmeno.exe >/dev/null 2>&1 &
fenetre=""
for k in $(seq 30); do
    fenetre=$(xdotool search --onlyvisible --name "Kalmeno$" 2>/dev/null | head -n 1)
    [ -n "$fenetre" ] && break
    sleep 1
done
sleep 2
if [ -n "$fenetre" ]; then
    eval "$(xdotool getwindowgeometry --shell "$fenetre")"
    cadre="${WIDTH}x${HEIGHT}+${X}+${Y}"
    onglets=(68 193 301 408 531 642)
    for i in 0 1 2 3 4 5; do
        xdotool mousemove $((X + onglets[i])) $((Y + 32)) click 1
        sleep 1.5
        if [ "$i" -eq 3 ]; then
            for k in 1 2 3 4 5; do xdotool mousemove $((X + 756)) $((Y + 178)) click 1; sleep 0.4; done
            sleep 1.5
        fi
        import -window root -crop "$cadre" +repage "$sortie/ecran-page$i.png"
    done
    xdotool mousemove $((X + 29)) $((Y + 9)) click 1
    sleep 1
    xdotool key Up Return
    sleep 3
    [ -z "$(xdotool search --onlyvisible --name "Kalmeno$" 2>/dev/null)" ] && [ ! -e "$WINEPREFIX/drive_c/csb" ] \
        && echo "fenêtre : six pages photographiées (ecran-page0.png …), « Quitter » ferme et vide c:\\csb" \
        || echec "« Quitter » n'a pas fermé Kalmeno ou laissé c:\\csb"
else
    echec "la fenêtre de Kalmeno n'est pas apparue"
fi
cd "$construction" || exit 1

# The installer, silent, in a wine prefix of its own (a fresh user account).
echo "== Installeur"
export WINEPREFIX=$sortie/prefixe-installation
nu wineboot -i >/dev/null 2>&1
nu "$construction/$nom-setup.exe" /S
wineserver -w
utilisateur=$WINEPREFIX/drive_c/users/$(id -un)
installe=$utilisateur/AppData/Local/Programs/Kalmeno
depart=$utilisateur/AppData/Local/Kalmeno
[ -f "$installe/kalmeno.exe" ] && echo "installé dans %LOCALAPPDATA%\\Programs\\Kalmeno" || echec "installation"
[ -f "$depart/an.bmp" ] && [ -f "$depart/terplux/terplux.exe" ] && echo "dossier de départ %LOCALAPPDATA%\\Kalmeno prêt" \
    || echec "dossier de départ"
ls "$utilisateur"/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Kalmeno.lnk >/dev/null 2>&1 \
    && echo "entrée du menu Démarrer" || echec "entrée du menu Démarrer"
touch "$sortie/installe"
# Started as the Start menu's entry does: in the start folder.
(cd "$depart" && nu "C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Kalmeno\\kalmeno.exe" --capture 0 "Z:$sortie/installe-page0.png") \
    >/dev/null 2>&1
if [ -s "$sortie/installe-page0.png" ] && compare -metric AE "$sortie/installe-page0.png" "$sortie/page0-windows.png" null: 2>/dev/null; then
    echo "Kalmeno installé démarre dans son dossier de départ (page 0 identique au dossier portable)"
else
    echec "démarrage de Kalmeno installé"
fi
[ -z "$(find "$installe" -newer "$sortie/installe" -type f)" ] \
    && echo "rien d'écrit dans le dossier installé" || echec "écriture dans le dossier installé"
# A pupil's file in the start folder survives the uninstaller.
echo "élève" > "$depart/travail.fch"
nu "$installe/desinstaller.exe" /S
wineserver -w
[ ! -e "$installe/kalmeno.exe" ] && [ ! -e "$depart/an.bmp" ] && [ -f "$depart/travail.fch" ] \
    && echo "désinstallé ; le fichier de l'élève reste" || echec "désinstallation"

if [ "$echecs" -eq 0 ]; then
    echo "Windows : tout est passé."
else
    echo "Windows : $echecs échec(s)."
    exit 1
fi
