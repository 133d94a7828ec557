#!/usr/bin/env bash
# Kalmeno for Windows, built on this Debian machine with MinGW-w64 and tried
# under wine.
#
#   scripts/windows.sh          builds Kalmeno, its companions and its tests
#                               for Windows into build-windows/, then writes
#                               the portable zip and the installer there
#   scripts/windows.sh --test   the same, then the whole test suite under
#                               wine, and the end-to-end checks of the
#                               portable folder and of the installer
#
# Installs what it needs (Debian packages). The first run builds the Qt kit
# (about an hour on 2 cores) into the cache folder KALMENO_CACHE, else
# ~/.cache/kalmeno-windows; later runs reuse it.
set -euo pipefail

racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=${KALMENO_CACHE:-$HOME/.cache/kalmeno-windows}
export KALMENO_CACHE=$cache
essais=0
case "${1:-}" in
    --test) essais=1 ;;
    "") ;;
    *) echo "usage: $0 [--test]" >&2; exit 2 ;;
esac

paquets=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 fonts-wine nsis zip unzip xvfb xauth
         fonts-liberation2 qt6-translations-l10n imagemagick xdotool cmake ninja-build pkg-config)
source "$racine/scripts/paquets.sh"
installer_paquets "${paquets[@]}"

debut_kit=$(date +%s)
kit=$(bash "$racine/scripts/kit-windows.sh" | tail -n 1)
echo "Kit Qt pour Windows : $kit ($(( $(date +%s) - debut_kit )) s)"
xlsx=$cache/xlsxwriter-mingw64

# The tools that write the start folder (pictures, ess0.nst, recordings,
# icons) are built for this machine, so that the Windows build writes the very
# same files as the Linux one.
construction=$racine/build-windows
hote=$construction/outils-hote
bash "$racine/scripts/installer.sh" >/dev/null
cmake -S "$racine" -B "$hote" -DCMAKE_BUILD_TYPE=Release -DKALMENO_BENCH=OFF >/dev/null
cmake --build "$hote" --parallel 2 --target kalmeno_assets kalmeno_ess0 ecrire_enregistrements kalmeno_icones kalmeno_graines

# The build for Windows; wine runs its tests.
PKG_CONFIG_LIBDIR=$xlsx/lib/pkgconfig cmake -S "$racine" -B "$construction" -G Ninja \
    -DKALMENO_OUTILS_HOTE="$hote" \
    -DCMAKE_TOOLCHAIN_FILE="$kit/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DKALMENO_BENCH=OFF \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$racine/scripts/wine-essai.sh" \
    -DCMAKE_EXE_LINKER_FLAGS="-L$xlsx/lib"
cmake --build "$construction" --parallel 2

# The portable folder: the program, the toolkit's libraries and plug-ins it
# needs, the French translations of the toolkit, the fonts of the fallback,
# and the start-folder files beside the program.
version=$(sed -n 's/^project(Kalmeno VERSION \([0-9.]*\).*/\1/p' "$racine/CMakeLists.txt")
nom=Kalmeno-$version
portable=$construction/$nom
rm -rf "$portable"
mkdir -p "$portable"/{plugins/platforms,plugins/styles,plugins/imageformats,translations,polices}
run=$construction/run
cp "$construction/kalmeno.exe" "$portable/"
cp "$run"/{an,k,na,fl_i_e,fl_e_i}.bmp "$run/ess0.nst" "$portable/"
cp -r "$run/terplux" "$run/mavoren" "$run/cassybio" "$portable/"
# "CASSYBIO" and "cassybio" are one folder where names ignore case.
cp "$run/CASSYBIO/cassybio.ppp" "$portable/cassybio/"
for m in Core Gui Widgets PrintSupport; do cp "$kit/bin/Qt6$m.dll" "$portable/"; done
cp "$kit/plugins/platforms/qwindows.dll" "$portable/plugins/platforms/"
cp "$kit/plugins/styles/qwindowsvistastyle.dll" "$portable/plugins/styles/"
cp "$kit"/plugins/imageformats/q{gif,ico,jpeg}.dll "$portable/plugins/imageformats/"
runtime_gcc=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix | head -n 1)
cp "$runtime_gcc/libstdc++-6.dll" "$runtime_gcc/libgcc_s_seh-1.dll" \
   /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$portable/"
# zlib only when the workbook library linked it as a library of its own.
if x86_64-w64-mingw32-objdump -p "$portable/kalmeno.exe" | grep -qi 'zlib1.dll'; then
    cp /usr/x86_64-w64-mingw32/lib/zlib1.dll "$portable/"
fi
cp /usr/share/qt6/translations/qtbase_fr.qm "$portable/translations/"
cp /usr/share/fonts/truetype/liberation2/Liberation{Sans,Serif}-{Regular,Bold}.ttf "$portable/polices/"
cp /usr/share/doc/fonts-liberation2/copyright "$portable/polices/LICENCE-Liberation.txt"
# The toolkit's folders are the program's own.
printf '[Paths]\r\nPrefix = .\r\nPlugins = plugins\r\nTranslations = translations\r\n' > "$portable/qt.conf"
sed 's/$/\r/' "$racine/packaging/windows/LISEZMOI.txt" > "$portable/LISEZMOI.txt"
find "$portable" \( -name '*.exe' -o -name '*.dll' -o -name '*.pif' -o -name '*.ppp' \) \
    -exec x86_64-w64-mingw32-strip --strip-unneeded {} \; 2>/dev/null || true

zip_portable=$construction/$nom-windows.zip
rm -f "$zip_portable"
(cd "$construction" && zip -qr9 "$zip_portable" "$nom")

installeur=$construction/$nom-setup.exe
makensis -V2 -DVERSION="$version" -DSOURCE="$portable" -DSORTIE="$installeur" \
    -DICONE="$construction/app/kalmeno.ico" "$racine/packaging/windows/kalmeno.nsi"

echo "Dossier portable : $zip_portable ($(du -k "$zip_portable" | cut -f1) Ko)"
echo "Installeur       : $installeur ($(du -k "$installeur" | cut -f1) Ko)"

[ "$essais" -eq 1 ] || exit 0
exec bash "$racine/scripts/essais-windows.sh" "$construction" "$nom"
