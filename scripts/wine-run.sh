#!/usr/bin/env bash
# Runs a Windows program of the x86_64 build under wine64 in the project's own Wine prefix.
export WINEPREFIX="${QUARRIX_WINEPREFIX:-$HOME/.quarrix-wine64}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec /usr/lib/wine/wine64 "$@"
