#!/bin/bash
# Prints the notes of one version: its section of CHANGELOG.md ("## [VERSION] - DATE") up
# to the next section, without the heading. Fails, saying so, where the version has no
# section or its section is empty.
set -euo pipefail
version=$1
changelog=$(cd "$(dirname "$0")/.." && pwd)/CHANGELOG.md
# Link definitions ("[1.0.1]: https://…") close the file in this layout, after the last
# section, and belong to none.
notes=$(awk -v heading="## [$version]" '
    /^## / { inside = $0 == heading || index($0, heading " ") == 1; next }
    /^\[[^]]*\]: / { next }
    inside' "$changelog" | sed '/./,$!d') || true
if [ -z "$notes" ]; then
    echo "release: CHANGELOG.md has no section \"## [$version] - YYYY-MM-DD\" with notes" >&2
    exit 1
fi
echo "$notes"
