#!/bin/bash
# Checks that the download package is reproducible: clones the current commit twice, into
# two unrelated folders, runs tools/package.sh in each and compares the zips byte for
# byte; the program must not carry either folder's path. Prints the zip's SHA-256.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse HEAD)
work=$(mktemp -d "${TMPDIR:-/tmp}/varnok-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

zips=()
for clone in "$work/first" "$work/elsewhere/second-clone"; do
    git clone --quiet --no-checkout "$repo" "$clone"
    git -C "$clone" checkout --quiet --detach "$commit"
    zip=$("$clone/tools/package.sh" 2>"$clone.log") || { cat "$clone.log" >&2; exit 1; }
    if strings -a "$clone/build/package/varnok.exe" | grep -F "$clone"; then
        echo "package: varnok.exe names the folder it was built in" >&2
        exit 1
    fi
    zips+=("$zip")
done

if ! cmp "${zips[0]}" "${zips[1]}"; then
    echo "package: the two builds differ" >&2
    exit 1
fi
echo "package: $(basename "${zips[0]}") of $commit is reproducible"
sha256sum "${zips[0]}" | cut -d' ' -f1
