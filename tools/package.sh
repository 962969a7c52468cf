#!/bin/bash
# Builds the release varnok.exe (optimised, stripped) and packs the download,
# dist/varnok-VERSION-win64.zip: the program, a readme in Traditional Chinese, Simplified
# Chinese and English, the licence and SHA256SUMS. Prints the zip's path. The same commit
# gives the same zip byte for byte wherever it is built: the program keeps no build path
# or link time, and the zip's entries come in a fixed order with the commit's time.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
tools/install-deps.sh >&2
cmake --preset package >/dev/null
cmake --build --preset package -j2 >&2
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/package/CMakeCache.txt)
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
mkdir -p dist
zip=$repo/dist/varnok-$version-win64.zip

python3 - "$zip" "$epoch" build/package/varnok.exe tools/package-readme.txt LICENSE <<'PY'
import hashlib, sys, time, zipfile

zip_path, epoch, exe, readme, licence = sys.argv[1:]

def windows_text(path, bom=b""):
    # Notepad on every supported Windows reads a UTF-8 text with a BOM and CRLF line ends.
    return bom + open(path, "rb").read().replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")

files = [
    ("varnok.exe", open(exe, "rb").read()),
    ("README.txt", windows_text(readme, b"\xef\xbb\xbf")),
    ("LICENSE", windows_text(licence)),
]
sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data in files)
files.append(("SHA256SUMS", sums.encode()))

stamp = time.gmtime(int(epoch))[:6]
with zipfile.ZipFile(zip_path, "w") as archive:
    for name, data in files:
        entry = zipfile.ZipInfo(name, stamp)
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.create_system = 0
        entry.external_attr = 0x20  # the archive bit, as Windows' own zip folders set it
        archive.writestr(entry, data, compresslevel=9)
PY
echo "$zip"
