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
# A user checks the download in the folder it was saved to: SHA256SUMS must name exactly the
# files beside it, and the program's own checksum travels inside the zip.
listed=$(awk '{print $2}' "$one/dist/SHA256SUMS" | sed 's/^\*//' | sort)
beside=$(cd "$one/dist" && ls | grep -vx SHA256SUMS | sort)
if [[ $listed != "$beside" ]]; then
  echo "FAIL: SHA256SUMS lists [$(echo $listed)], dist/ holds [$(echo $beside)] beside it"
  failed=1
elif ! check=$(cd "$one/dist" && sha256sum -c SHA256SUMS 2>&1); then
  echo "FAIL: sha256sum -c SHA256SUMS fails in dist/: $check"
  failed=1
else
  echo "ok:   sha256sum -c SHA256SUMS passes in dist/ and checks every file there"
fi
program_sum=$(sha256sum "$one/build/release/bin/Quarrix_Disk_Formatter.exe" | cut -d' ' -f1)
buildinfo=$(python3 -c 'import sys, zipfile; print(zipfile.ZipFile(sys.argv[1]).read("BUILDINFO.txt").decode())' \
            "$one/dist/Quarrix_Disk_Formatter-$version.zip" 2>&1)
if grep -q "$program_sum" <<<"$buildinfo"; then
  echo "ok:   BUILDINFO.txt holds the program's SHA-256"
else
  echo "FAIL: BUILDINFO.txt in the zip does not hold the program's SHA-256 $program_sum"
  failed=1
fi
for b in "${builds[@]}"; do
  if grep -qaF "$work/$b" "$work/$b/build/release/bin/Quarrix_Disk_Formatter.exe"; then
    echo "FAIL: the program of the clone $b holds its folder $work/$b"
    failed=1
  fi
done
((failed == 0)) && echo "ok:   the program holds neither clone's folder"
exit $failed
