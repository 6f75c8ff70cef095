#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own Wine prefix. wine64 starts an x86_64
# program itself and hands an i686 one to 32-bit Wine (Debian's wine32:i386), in the same prefix.
# Usage: wine-run.sh [--i686] PROGRAM [ARGS...]
# With --i686 (the i686 test build's emulator), a machine that cannot run 32-bit programs starts
# nothing and exits with 77, which the i686 tests take as "skipped".
if [[ ${1:-} == --i686 ]]; then
  shift
  why=$("$(dirname "$0")/runs-32-bit.sh") || { echo "Skipped: this machine cannot run 32-bit programs: $why"; exit 77; }
fi
export WINEPREFIX="${QUARRIX_WINEPREFIX:-$HOME/.quarrix-wine64}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec /usr/lib/wine/wine64 "$@"
