#!/usr/bin/env bash
# Builds, once, the kit Kalmeno's Windows build links against: Qt 6.4.2
# for Windows (x86_64, MinGW-w64 with POSIX threads), from Debian's own
# qt6-base source, the same version as the host Qt whose moc, rcc and uic the
# cross build uses. Core, Gui, Widgets, PrintSupport and Test; shared
# libraries; and libxlsxwriter (static, Debian's source too) over MinGW's
# zlib. Direct2D stays on: without it Gui leaves out the DirectWrite font
# engine that PrintSupport's Windows print engine calls. The kit goes into a cache folder outside the repository and is
# reused on later runs; its path is printed last. The first run takes about
# an hour on 2 cores. Resumable: a build stopped midway goes on where it was.
#
#   scripts/kit-windows.sh            # KALMENO_CACHE, else ~/.cache/kalmeno-windows
set -euo pipefail

cache=${KALMENO_CACHE:-$HOME/.cache/kalmeno-windows}
kit=$cache/qt-6.4.2-mingw64
xlsx=$cache/xlsxwriter-mingw64
if [ -f "$kit/.complet" ] && [ -f "$xlsx/.complet" ]; then
    echo "$kit"
    exit 0
fi

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
paquets=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix cmake ninja-build dpkg-dev
         libz-mingw-w64-dev qt6-base-dev qt6-base-dev-tools qt6-translations-l10n perl python3)
source "$(dirname "${BASH_SOURCE[0]}")/paquets.sh"
installer_paquets "${paquets[@]}"

# Debian's source of qt6-base, from the same archive as the binaries (its
# third-party libraries are built in: the Windows side has none of Debian's).
mkdir -p "$cache/source"
source_qt=$(find "$cache/source" -maxdepth 1 -type d -name 'qt6-base-6.4.2*' | head -n 1)
if [ -z "$source_qt" ]; then
    if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        liste=/etc/apt/sources.list.d/kalmeno-sources.sources
        if [ -f /etc/apt/sources.list.d/debian.sources ]; then
            sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $sudo_cmd tee "$liste" >/dev/null
        else
            grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $sudo_cmd tee "${liste%.sources}.list" >/dev/null
        fi
        $sudo_cmd apt-get update -qq
    fi
    (cd "$cache/source" && apt-get source -qq qt6-base=6.4.2+dfsg-10)
    source_qt=$(find "$cache/source" -maxdepth 1 -type d -name 'qt6-base-6.4.2*' | head -n 1)
fi
source_xlsx=$(find "$cache/source" -maxdepth 1 -type d -name 'libxlsxwriter-*' | head -n 1)
if [ -z "$source_xlsx" ]; then
    (cd "$cache/source" && apt-get source -qq libxlsxwriter)
    source_xlsx=$(find "$cache/source" -maxdepth 1 -type d -name 'libxlsxwriter-*' | head -n 1)
fi

# The cross compiler, for CMake.
chaine=$cache/mingw64.cmake
cat > "$chaine" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

# The workbook library: static, numbers written without the C locale's say.
if [ ! -f "$xlsx/.complet" ]; then
    cmake -S "$source_xlsx" -B "$cache/xlsxwriter-construction" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$chaine" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_INSTALL_PREFIX="$xlsx" -DBUILD_SHARED_LIBS=OFF -DUSE_DTOA_LIBRARY=ON
    cmake --build "$cache/xlsxwriter-construction" --parallel 2
    cmake --install "$cache/xlsxwriter-construction"
    touch "$xlsx/.complet"
fi
if [ -f "$kit/.complet" ]; then
    echo "$kit"
    exit 0
fi

# Configured again at each run (quick once configured): a changed option reaches
# the build kept in the cache.
construction=$cache/qt-construction
cmake -S "$source_qt" -B "$construction" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$chaine" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$kit" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
        -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_concurrent=OFF \
        -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF \
        -DFEATURE_direct2d=ON
cmake --build "$construction" --parallel 2
cmake --install "$construction"
# The toolkit's French texts (the same files on every system), for the tests.
mkdir -p "$kit/translations"
cp /usr/share/qt6/translations/qtbase_fr.qm "$kit/translations/"
touch "$kit/.complet"
echo "$kit"
