#!/usr/bin/env bash
# Looks at the program at 144 DPI (150 %), the scaling of most laptops: sets LogPixels = 144 in
# HKCU\Control Panel\Desktop of the Wine prefix for this test alone (put back on exit, whatever
# happens), runs the main dialog's tests there (every control in place, every text whole, every
# icon at its size, in both windows) and saves a screenshot of the main window.
# Usage: at-144-dpi.sh [--i686] <main_dialog_win_tests.exe> <Quarrix_Disk_Formatter_Sim.exe> <output.png>
# --i686: the programs are 32-bit; on a machine that cannot run 32-bit programs, skip (exit 77).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ $1 == --i686 ]]; then
  shift
  why=$("$here/../../scripts/runs-32-bit.sh") || { echo "Skipped: this machine cannot run 32-bit programs: $why"; exit 77; }
fi
tests=$1
sim=$2
out=$3
wine=$here/../../scripts/wine-run.sh
key='HKCU\Control Panel\Desktop'

previous=$("$wine" reg query "$key" /v LogPixels 2>/dev/null | awk '$1 == "LogPixels" {print $3}' || true)
restore() {
  if [[ -n $previous ]]; then
    "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$((previous))" /f >/dev/null 2>&1
  else
    "$wine" reg delete "$key" /v LogPixels /f >/dev/null 2>&1
  fi
}
trap restore EXIT
"$wine" reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null

"$wine" "$tests"
bash "$here/screenshot-main-window.sh" "$sim" "$out"
