#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh
status=0
ctest --test-dir build/native --output-on-failure || status=1
# The x86_64 and the i686 Windows tests, in one virtual display and one Wine prefix.
scripts/with-display.sh bash -c '
  status=0
  ctest --test-dir build/win64 --output-on-failure || status=1
  ctest --test-dir build/win32-tests --output-on-failure || status=1
  exit $status' || status=1
exit $status
