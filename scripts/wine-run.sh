#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own Wine prefix. wine64 starts an x86_64
# program itself and hands an i686 one to 32-bit Wine (Debian's wine32:i386), in the same prefix.
export WINEPREFIX="${QUARRIX_WINEPREFIX:-$HOME/.quarrix-wine64}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec /usr/lib/wine/wine64 "$@"
