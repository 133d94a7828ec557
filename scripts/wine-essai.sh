#!/usr/bin/env bash
# Runs a program of the Windows build under wine, finding the toolkit's and
# the compiler's libraries and plug-ins where the build left them: the
# emulator of the cross build (build tools, tests). Its wine prefix is kept in
# the kit's cache folder.
set -eu
cache=${KALMENO_CACHE:-$HOME/.cache/kalmeno-windows}
kit=$cache/qt-6.4.2-mingw64
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEPATH="Z:$kit/bin;Z:$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix | head -n 1);Z:/usr/x86_64-w64-mingw32/lib"
# Messages and test logs on the terminal, not the debugger channel.
export QT_FORCE_STDERR_LOGGING=1
export QT_PLUGIN_PATH="Z:$kit/plugins"
# Wine keeps the QT_ variables of the Linux side from Windows programs, but
# hands them over under the name WINEQT_…: the tests' platform, for one.
while IFS='=' read -r nom _; do
    case "$nom" in QT_*) export "WINE$nom=${!nom}" ;; esac
done < <(env | grep -E '^QT_[A-Za-z0-9_]*=')
# The offscreen platform of the Windows build has no font database: with a
# screen, the tests run on the Windows platform itself, windows on that
# screen, with text rasterised by FreeType as the programs do there.
if [ -n "${DISPLAY:-}" ] && [ "${WINEQT_QPA_PLATFORM:-}" = offscreen ]; then
    export WINEQT_QPA_PLATFORM=windows:fontengine=freetype
fi
exec wine "$@"
