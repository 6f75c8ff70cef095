#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit release program from an empty build folder,
# inspects it (app/tests/release/inspect-release.sh) and packs it for download:
#   dist/Quarrix_Disk_Formatter-<version>.zip  the program, README.txt and BUILDINFO.txt (which
#                                              holds the program's own SHA-256 checksum)
#   dist/SHA256SUMS                            the checksums of the files beside it in dist/,
#                                              so that "sha256sum -c SHA256SUMS" passes there
# The same commit gives the same bytes from any folder at any time: the program is linked
# without a time stamp and compiled without folder names (the release flags in CMakeLists.txt),
# and the zip's entries have a fixed order, the commit's date and fixed attributes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
# Nothing of an earlier build goes into the package.
rm -rf build/release
scripts/build.sh release

version=$(cat build/release/version.txt)
exe=build/release/bin/Quarrix_Disk_Formatter.exe
zip=Quarrix_Disk_Formatter-$version.zip
if ! inspection=$(app/tests/release/inspect-release.sh "$exe" 2>&1); then
  echo "package: the release program fails its inspection, nothing was packed:" >&2
  grep -E '^FAIL:|passed, .* failed$' <<<"$inspection" >&2
  exit 1
fi
commit=$(git rev-parse HEAD)
[[ -z $(git status --porcelain) ]] || commit="$commit, with uncommitted changes"
commit_time=$(git log -1 --format=%ct)

# Debian's own Python (set-up installs it), whose zlib compresses the zip.
python=/usr/bin/python3
package_version() { dpkg-query -W -f='${Version}' "$1"; }
first_line() { "$@" 2>&1 | head -n 1; }
buildinfo=$(cat <<INFO
Quarrix Disk Formatter $version
Built by scripts/package.sh from commit $commit.

SHA-256 of Quarrix_Disk_Formatter.exe:
  $(sha256sum "$exe" | cut -d' ' -f1)

Debian packages:
  g++-mingw-w64-i686-win32 $(package_version g++-mingw-w64-i686-win32)
  gcc-mingw-w64-i686-win32 $(package_version gcc-mingw-w64-i686-win32)
  mingw-w64-i686-dev $(package_version mingw-w64-i686-dev)
  binutils-mingw-w64-i686 $(package_version binutils-mingw-w64-i686)
  cmake $(package_version cmake)
  python3 $(package_version python3)

Tools:
  $(first_line i686-w64-mingw32-g++-win32 --version)
  $(first_line i686-w64-mingw32-gcc-win32 --version)
  $(first_line i686-w64-mingw32-ld --version)
  $(first_line i686-w64-mingw32-windres --version)
  $(first_line cmake --version)
  $(first_line $python --version), zlib $($python -c 'import zlib; print(zlib.ZLIB_VERSION)')
INFO
)

rm -rf dist
mkdir dist
"$python" - "dist/$zip" "$commit_time" "$exe" docs/package-README.txt "$version" "$buildinfo" <<'PYTHON'
import sys
import time
import zipfile

out, commit_time, exe, readme_template, version, buildinfo = sys.argv[1:]


def windows_text(text, what):
    """ASCII with CR LF line ends, which Notepad on every Windows shows right."""
    if not text.isascii():
        sys.exit("package: %s is not plain ASCII" % what)
    return ("\r\n".join(text.rstrip("\n").split("\n")) + "\r\n").encode("ascii")


with open(readme_template, encoding="ascii") as f:
    readme = f.read().replace("@VERSION@", version)
with open(exe, "rb") as f:
    program = f.read()

# Zip dates cannot go before 1980 and carry no time zone: the commit's time in UTC.
date_time = time.gmtime(max(int(commit_time), 315532800))[:6]
entries = [
    ("Quarrix_Disk_Formatter.exe", program),
    ("README.txt", windows_text(readme, "README.txt")),
    ("BUILDINFO.txt", windows_text(buildinfo, "BUILDINFO.txt")),
]
with zipfile.ZipFile(out, "w") as archive:
    for name, data in entries:
        info = zipfile.ZipInfo(name, date_time=date_time)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.create_system = 0   # MS-DOS: no Unix owner or permissions
        info.external_attr = 0
        archive.writestr(info, data, compresslevel=9)
PYTHON

(cd dist && sha256sum "$zip" >SHA256SUMS)
echo "Package: $root/dist/$zip"
cat dist/SHA256SUMS
