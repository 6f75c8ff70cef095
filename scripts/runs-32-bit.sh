#!/usr/bin/env bash
# Tells whether this machine runs 32-bit programs, which the i686 builds' tests need: some Linux
# kernels run no 32-bit program at all, although Debian's 32-bit Wine installs without complaint.
# Runs the 32-bit Wine loader (QUARRIX_WINE32_LOADER, to point the check elsewhere by hand) with
# a short time-out. Exit status 0: it does. Else prints the first line of what the shell or the
# time-out said and exits with 1.
loader=${QUARRIX_WINE32_LOADER:-/usr/lib/wine/wine}
seconds=20
# Started by bash, so that a program the kernel cannot run gets the shell's own words for it.
said=$(timeout "$seconds" bash -c 'exec "$0" --version' "$loader" 2>&1 >/dev/null)
status=$?
((status == 0)) && exit 0
((status == 124)) && said="$loader gave no answer within $seconds s"
said=$(head -n 1 <<<"$said")
echo "${said:-$loader failed} (exit status $status)"
exit 1
