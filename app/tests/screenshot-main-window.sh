#!/usr/bin/env bash
# Starts the simulator under Wine in the current (virtual) display, waits for its main window,
# saves a screenshot of it and checks that the picture shows a real window, then closes it.
# Usage: screenshot-main-window.sh [--i686] <Quarrix_Disk_Formatter_Sim.exe> <output.png>
# --i686: the program is 32-bit; on a machine that cannot run 32-bit programs, skip (exit 77).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ $1 == --i686 ]]; then
  shift
  why=$("$here/../../scripts/runs-32-bit.sh") || { echo "Skipped: this machine cannot run 32-bit programs: $why"; exit 77; }
fi
exe=$1
out=$2
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

# A fresh copy of the built-in virtual disks, so the picture shows the usual drives.
# (Wine shows the Linux root as drive Z:.)
export QUARRIX_SIM_DISKS="Z:${work//\//\\}\\virtual-disks.txt"
# The pointer, where an earlier test may have left it over an icon, goes to the screen's corner, so
# that no tooltip covers the picture.
xdotool mousemove 1023 767 2>/dev/null || true
"$here/../../scripts/wine-run.sh" "$exe" &
pid=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quarrix Disk Formatter v1.34 Beta$' | head -n 1)
sleep 1  # let the controls finish painting
import -window "$window" "$out"

size=$(identify -format '%w %h' "$out")
read -r width height <<<"$size"
spread=$(convert "$out" -colorspace Gray -format '%[fx:standard_deviation]' info:)
echo "screenshot: $out (${width}x${height}, grey spread $spread)"
fails=0
if [ "$width" -lt 300 ] || [ "$height" -lt 150 ]; then echo "FAIL: window too small: $size"; fails=1; fi
if awk "BEGIN{exit !($spread < 0.05)}"; then echo "FAIL: the picture is nearly blank"; fails=1; fi
echo "$((1 - fails)) passed, $fails failed"
exit $fails
