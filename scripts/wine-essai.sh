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
export QT_PLUGIN_PATH="Z:$kit/plugins"
exec wine "$@"
