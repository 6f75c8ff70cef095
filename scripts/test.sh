#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh
status=0
ctest --test-dir build/native --output-on-failure || status=1
scripts/with-display.sh ctest --test-dir build/win64 --output-on-failure || status=1
exit $status
