#!/bin/sh
# Regenerates every picture into a scratch folder and fails if any differs from the committed
# files, so the pictures always come from the generator as it stands.
set -eu
repo=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 "$repo/tools/art/make_art.py" "$out"
status=0
for path in res/pictures.rc docs/contact-sheet.png res/sprites res/grades res/icons res/cursors; do
    diff -r "$repo/$path" "$out/$path" || status=1
done
exit $status
