#!/usr/bin/env bash
# Runs a command with a virtual X display (Xvfb) and an initialised Wine prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QUARRIX_WINEPREFIX="${QUARRIX_WINEPREFIX:-$HOME/.quarrix-wine64}"
xvfb_pid=""
# step WHAT COMMAND...: runs a set-up command quietly; when it fails, says what failed and shows
# the end of its output, and stops. The output goes to a file, not a pipe, so that a program the
# command leaves running cannot keep the step waiting.
step() {
  local what=$1 log status=0
  shift
  log=$(mktemp)
  "$@" >"$log" 2>&1 || status=$?
  if ((status != 0)); then
    echo "with-display: $what failed (exit status $status):" >&2
    tail -n 20 "$log" >&2
    rm -f "$log"
    exit 1
  fi
  rm -f "$log"
}
cleanup() {
  WINEPREFIX="$QUARRIX_WINEPREFIX" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
if [ -z "${QUARRIX_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
  done
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY="$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  step "starting the virtual display $display (Xvfb)" xdpyinfo
fi
if [ ! -f "$QUARRIX_WINEPREFIX/system.reg" ]; then
  echo "Preparing the Wine prefix $QUARRIX_WINEPREFIX ..."
  step "preparing the Wine prefix $QUARRIX_WINEPREFIX (wineboot)" \
    env WINEPREFIX="$QUARRIX_WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    /usr/lib/wine/wine64 wineboot -i
  # Wine's desktop process, started while the prefix was still being made, does not offer the
  # desktop's shell windows to other programs: let it and its server end, to start afresh below.
  step "letting the new Wine prefix's processes end (wineserver -w)" \
    env WINEPREFIX="$QUARRIX_WINEPREFIX" timeout 60 /usr/lib/wine/wineserver -w
fi
# Without a window manager, Wine waits up to two seconds for every window it hides; windows
# that Wine manages itself close at once.
step "letting Wine manage its windows itself (reg add)" \
  env WINEPREFIX="$QUARRIX_WINEPREFIX" WINEDEBUG=-all /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' \
  /v Managed /d N /f
# Keep one wineserver for the whole run instead of starting one per program.
WINEPREFIX="$QUARRIX_WINEPREFIX" /usr/lib/wine/wineserver -p >/dev/null 2>&1 || true
# Start Wine's own processes (services, the desktop) now. Started by the first i686 test, they
# would keep that test's output open after it ended, and ctest would wait for them until its
# time-out.
step "starting Wine's services (wineboot)" \
  env WINEPREFIX="$QUARRIX_WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" /usr/lib/wine/wine64 wineboot
"$@"
