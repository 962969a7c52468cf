#!/bin/bash
# Checks tools/release.sh on a clone of the current commit: it refuses a version without
# its changelog section and a working tree with changes, each saying why; given a made-up
# section it releases the very zip tools/package.sh makes, a SHA256SUMS that sha256sum -c
# accepts, the section as its notes, and manifests that all name the version, the zip's
# SHA-256 in those that download it, whose Scoop updates keep the newest save
# (tools/check-scoop-update.sh).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/varnok-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
    echo "check-release: $*" >&2
    exit 1
}

git clone --quiet --no-checkout "$repo" "$work/clone"
git -C "$work/clone" checkout --quiet --detach "$(git -C "$repo" rev-parse HEAD)"
cd "$work/clone"
export GITHUB_REPOSITORY=example/varnok
version=$(tools/version.sh)

# commit_changelog SECTION: CHANGELOG.md with an Unreleased section, then SECTION.
commit_changelog() {
    printf '# Changelog\n\n## [Unreleased]\n\n- Nothing yet.\n%s' "$1" >CHANGELOG.md
    git add CHANGELOG.md
    git -c user.name=check -c user.email=check@example.invalid commit --quiet -m "A made-up changelog"
}

# refused_saying WHY: release.sh fails and says WHY.
refused_saying() {
    local said
    if said=$(tools/release.sh 2>&1); then
        fail "released although it should not: $1"
    fi
    grep -qF "$1" <<<"$said" || fail "refused without saying \"$1\": $said"
}

commit_changelog ""
refused_saying "CHANGELOG.md has no section \"## [$version]"
commit_changelog "
## [$version] - 2026-01-02

- A made-up note.
"
echo >>README.md
refused_saying "the working tree has changes"
git checkout --quiet README.md

tools/release.sh
cp "dist/varnok-$version-win64.zip" "$work/released.zip"
cmp "$work/released.zip" "$(tools/package.sh 2>/dev/null)" || fail "the released zip is not tools/package.sh's"
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not check"
[ "$(cat dist/release-notes.md)" = "- A made-up note." ] || fail "the notes are not the section"
sha256=$(sha256sum "$work/released.zip" | cut -d' ' -f1)
for manifest in dist/winget/*.yaml dist/scoop/varnok.json; do
    grep -qF "$version" "$manifest" || fail "$manifest does not name $version"
done
for manifest in dist/winget/Varnok.Varnok.installer.yaml dist/scoop/varnok.json; do
    grep -qF "$sha256" "$manifest" || fail "$manifest does not hold the zip's SHA-256"
done
python3 -m json.tool dist/scoop/varnok.json >/dev/null || fail "varnok.json is not JSON"
tools/check-scoop-update.sh dist/scoop/varnok.json
echo "check-release: $version released whole from a clean clone"
