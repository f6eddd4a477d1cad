#!/usr/bin/env bash
# Runs a Windows program of the Windows build under Wine: wine-run.sh PROGRAM.exe [ARGS...]
# The prefix is the build's own (build-windows/wine, or $WINEPREFIX), made on first use without
# the Mono and Gecko installers; a stage keeps one wineserver running (`wineserver -p`) and ends
# it with `wineserver -k`.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/build-windows/wine}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
# Wine names Unix files in the locale's character set: without a UTF-8 locale (a bare machine
# has none set) a file or folder named with letters beyond ASCII cannot be made
export LC_ALL=C.UTF-8
exec wine "$@"
