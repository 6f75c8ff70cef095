#!/usr/bin/env bash
# Installs what is missing, builds, and starts the simulator build under Wine. Uses the
# current display when there is one, else a virtual one (then a screenshot is the only view).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh
export QUARRIX_KEEP_DISPLAY=1
exec scripts/with-display.sh scripts/wine-run.sh build/win64/bin/Quarrix_Disk_Formatter_Sim.exe
