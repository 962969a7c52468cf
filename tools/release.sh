#!/bin/bash
# Makes the release of the version in CMakeLists.txt, from a clean checkout: the download
# (tools/package.sh) and beside it in dist/ its SHA256SUMS, the version's notes from
# CHANGELOG.md (release-notes.md), and the manifests that winget (winget/) and Scoop
# (scoop/varnok.json) read, filled in from tools/manifests/ with the version, the zip's
# SHA-256 and its address among the releases of the GitHub repository: GITHUB_REPOSITORY
# (owner/name, as a workflow has it), else the one origin points to.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
fail() {
    echo "release: $*" >&2
    exit 1
}

[ -z "$(git status --porcelain)" ] ||
    fail "the working tree has changes; release from a clean checkout of the commit"
version=$(tools/version.sh)
notes=$(tools/release-notes.sh "$version")
repository=${GITHUB_REPOSITORY:-$(git remote get-url origin 2>/dev/null |
    sed -n 's#^.*github\.com[:/]\([^/]*/[^/]*\)$#\1#p' | sed 's/\.git$//')}
[ -n "$repository" ] || fail "name the GitHub repository as owner/name in GITHUB_REPOSITORY"

zip=$(tools/package.sh)
sha256=$(sha256sum "$zip" | cut -d' ' -f1)
(cd dist && sha256sum "$(basename "$zip")" >SHA256SUMS)
echo "$notes" >dist/release-notes.md
rm -rf dist/winget dist/scoop
for template in tools/manifests/*/*; do
    manifest=dist/${template#tools/manifests/}
    mkdir -p "$(dirname "$manifest")"
    sed -e "s|@VERSION@|$version|g" -e "s|@SHA256@|$sha256|g" -e "s|@REPOSITORY@|$repository|g" \
        "$template" >"$manifest"
done
echo "release: $version in $repo/dist, $(basename "$zip") $sha256"
