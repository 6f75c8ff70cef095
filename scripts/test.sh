#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh
status=0
ctest --test-dir build/native --output-on-failure || status=1
# On a machine whose kernel runs no 32-bit program, each i686 test skips itself (exit 77); this
# paragraph, printed once before them, says why and what that leaves untested.
QUARRIX_I686_NOTE=""
if ! why=$(scripts/runs-32-bit.sh); then
  QUARRIX_I686_NOTE=$(tr "\n" " " <<TEXT | fold -s -w 100
This machine cannot run 32-bit programs: its kernel has no 32-bit support (the 32-bit Wine loader
said: $why). So every test of the i686 build below is skipped, and CTest lists them as not run:
the release program's own test, the i686 runs of the Windows tests, their screenshot, their
Russian run and their look at 144 DPI. The shipped 32-bit program is then only inspected by the
native tests, never started; the look at 144 DPI has run in the x86_64 build above. A machine
that runs 32-bit programs runs all of them.
TEXT
)
fi
export QUARRIX_I686_NOTE
# The x86_64 and the i686 Windows tests, in one virtual display and one Wine prefix.
scripts/with-display.sh bash -c '
  status=0
  ctest --test-dir build/win64 --output-on-failure || status=1
  [ -z "$QUARRIX_I686_NOTE" ] || printf "\n%s\n\n" "$QUARRIX_I686_NOTE"
  ctest --test-dir build/win32-tests --output-on-failure || status=1
  exit $status' || status=1
exit $status
