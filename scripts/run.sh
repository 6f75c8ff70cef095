#!/usr/bin/env bash
# Installs what is missing, builds the simulator and its stand-in utilities (nothing else), and
# starts the simulator under Wine. Uses the current display when there is one, else a virtual
# one, and then says which one and how to look at it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh simulator
export QUARRIX_KEEP_DISPLAY=1
[ -n "${DISPLAY:-}" ] || export QUARRIX_ANNOUNCE_DISPLAY=1
exec scripts/with-display.sh bash -c '
  if [ -n "${QUARRIX_ANNOUNCE_DISPLAY:-}" ]; then
    echo "No display here: the window is shown in the virtual display $DISPLAY (Xvfb)."
    echo "To see it, take a screenshot from another shell:"
    echo "  DISPLAY=$DISPLAY import -window root quarrix.png"
    echo "or: xwd -root -display $DISPLAY | convert xwd:- quarrix.png"
  fi
  exec scripts/wine-run.sh build/win64/bin/Quarrix_Disk_Formatter_Sim.exe'
