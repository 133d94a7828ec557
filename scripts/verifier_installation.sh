#!/usr/bin/env bash
# Installs Kalmeno into a temporary prefix and checks the installed program:
# its desktop entry and AppStream metadata pass Debian's validators, its icon
# is there at every size, and, started under Xvfb from another folder through
# the desktop entry's command, it runs in its start folder, finds its pictures
# (no error report), and shows every page as the program built in the tree
# does. The screenshots are kept in <build>/verification/.
# Usage: scripts/verifier_installation.sh [build folder]   (default: build)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
construction=$(realpath -m "${1:-$racine/build}")
id=fr.kalmeno.Kalmeno

echec() { echo "FAILED: $*" >&2; exit 1; }

[ -f "$construction/CMakeCache.txt" ] || cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=Release
# What the installation holds, not the tests.
cmake --build "$construction" -j2 --target kalmeno compagnons_run icones_theme

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefixe=$tmp/prefixe
cmake --install "$construction" --prefix "$prefixe" >/dev/null
echo "Installed into $prefixe"

entree=$prefixe/share/applications/$id.desktop
[ -f "$entree" ] || echec "no desktop entry"
desktop-file-validate "$entree" || echec "desktop-file-validate"
appstreamcli validate --no-net "$prefixe/share/metainfo/$id.metainfo.xml" || echec "appstreamcli validate"
for t in 16 22 24 32 48 64 128 256; do
    icone=$prefixe/share/icons/hicolor/${t}x$t/apps/kalmeno.png
    [ "$(identify -format '%wx%h' "$icone" 2>/dev/null)" = "${t}x$t" ] || echec "icon $icone"
done

# The desktop entry's command, without its field codes, and its folder.
commande=$(sed -n 's/^Exec=//p' "$entree" | sed 's/ *%[fFuUdDnNickvm]//g')
dossier_entree=$(sed -n 's/^Path=//p' "$entree")
[ "$dossier_entree" = "$prefixe/share/kalmeno" ] || echec "Path=$dossier_entree"
[ -f "$dossier_entree/ess0.nst" ] || echec "no ess0.nst in $dossier_entree"

# A fresh user, started from a folder that holds nothing of Kalmeno.
export HOME=$tmp/maison
unset XDG_DATA_HOME
export XDG_RUNTIME_DIR=$tmp/execution
mkdir -p "$HOME" "$tmp/ailleurs"
mkdir -m 700 "$XDG_RUNTIME_DIR"
touch "$tmp/repere"
sortie=$construction/verification
(cd "$tmp/ailleurs" && "$racine/scripts/captures.sh" "$sortie/installe" $commande >/dev/null)

attendu=$HOME/.local/share/kalmeno
grep -qx "cwd=$attendu" "$sortie/installe/processus.txt" || echec "runs in $(sed -n 's/^cwd=//p' "$sortie/installe/processus.txt"), not $attendu"
[ -f "$prefixe/libexec/kalmeno/libkalmeno_impression.so" ] || echec "no print module beside the program"
grep -qx "exe=$prefixe/libexec/kalmeno/kalmeno" "$sortie/installe/processus.txt" || echec "not the installed program: $(grep exe= "$sortie/installe/processus.txt")"
grep -qx "fenetres=1" "$sortie/installe/processus.txt" || echec "an error report came up at start ($(grep fenetres= "$sortie/installe/processus.txt"))"
for f in an.bmp k.bmp na.bmp fl_i_e.bmp fl_e_i.bmp ess0.nst cassybio/cassybio.sav CASSYBIO/cassybio.ppp \
         terplux/terplux.exe mavoren/mavoren.exe; do
    [ -e "$attendu/$f" ] || echec "$f is not found in the start folder"
done
echo "Runs in $attendu (links to $dossier_entree)"
grep -q "^csb=.*cassybio.pif" "$sortie/installe/processus.txt" || echec "the recording viewer's launcher was not prepared"
grep -qx "ferme=1" "$sortie/installe/processus.txt" || echec "\"Quitter\" did not close the program"
grep -qx "csb_apres=" "$sortie/installe/processus.txt" || echec "the \"c:\\csb\" folder was left after closing"
[ -z "$(find "$prefixe" -newer "$tmp/repere" -print -quit)" ] || echec "the run wrote into the installed tree"

# The same pages, shown by the program built in the tree in its run folder.
KALMENO_BUILD=$construction "$racine/scripts/captures.sh" "$sortie/construit" >/dev/null
for i in 0 1 2 3 4 5; do
    [ -s "$sortie/installe/page$i.png" ] || echec "no screenshot of page $i"
    ecart=$(compare -metric AE "$sortie/installe/page$i.png" "$sortie/construit/page$i.png" null: 2>&1 || true)
    echo "page $i: $ecart pixels differ from the program run in the tree"
    [ "$ecart" = 0 ] || echec "page $i differs from the program run in the tree"
done
# The recorded action potential rises above the baseline of the nerve page's
# trace (the part of the plot above it is blank without ess0.nst).
trace=$(convert "$sortie/installe/page3.png" -crop 390x85+380+286 +repage -colorspace gray \
        -threshold 90% -format '%[fx:1-mean]' info:)
awk -v t="$trace" 'BEGIN { exit !(t > 0.002) }' || echec "no action potential on the nerve page"
echo "The nerve page shows its action potential; the installed program passes."
