#!/usr/bin/env bash
# Builds the download package twice, from two fresh clones of the current commit in folders of
# different names and at different times, and compares the two byte for byte: the zip, the
# program and the checksums. Also looks for the clones' folders inside the program.
# Uncommitted changes are not part of the clones, so this checks the commit at HEAD.
#
# Usage: package-reproducible.sh
set -uo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
commit=$(git -C "$root" rev-parse HEAD) || exit 1
work=$(mktemp -d "${TMPDIR:-/tmp}/quarrix-package-XXXXXX")
trap 'rm -rf "$work"' EXIT

builds=(first second-with-a-longer-folder-name)
for b in "${builds[@]}"; do
  if ! { git clone -q "$root" "$work/$b" && git -C "$work/$b" checkout -q --detach "$commit"; }; then
    echo "FAIL: cannot clone $root into $work/$b"
    exit 1
  fi
  if ! (cd "$work/$b" && scripts/package.sh) >"$work/$b.log" 2>&1; then
    echo "FAIL: scripts/package.sh failed in the clone $b:"
    tail -n 20 "$work/$b.log"
    exit 1
  fi
done

failed=0
one=$work/${builds[0]}
two=$work/${builds[1]}
version=$(cat "$one/build/release/version.txt")
for a in "dist/Quarrix_Disk_Formatter-$version.zip" dist/SHA256SUMS build/release/bin/Quarrix_Disk_Formatter.exe; do
  if [[ ! -f $one/$a || ! -f $two/$a ]]; then
    echo "FAIL: $a is missing from a build"
    failed=1
  elif cmp -s "$one/$a" "$two/$a"; then
    echo "ok:   $a is byte-identical in both builds ($(stat -c %s "$one/$a") bytes)"
  else
    echo "FAIL: $a differs between the builds: $(cmp "$one/$a" "$two/$a" | head -n 1)"
    failed=1
  fi
done
for b in "${builds[@]}"; do
  if grep -qaF "$work/$b" "$work/$b/build/release/bin/Quarrix_Disk_Formatter.exe"; then
    echo "FAIL: the program of the clone $b holds its folder $work/$b"
    failed=1
  fi
done
((failed == 0)) && echo "ok:   the program holds neither clone's folder"
exit $failed
