#!/bin/bash
# Walks Scoop through varnok.json (the path given) with the files and links it makes:
# installs, the rabbit saving, updates with and without a save between them. Scoop hard-
# links each persisted file into the program's folder (a junction for skins, here a
# symbolic link), and the rabbit saves by renaming a new file over the old one, which
# parts the two; the manifest's uninstaller, run by every update, carries the newest save
# back. Scoop and the manifest's scripts are PowerShell, which this machine lacks: each
# step is done here as the file operations it makes (Scoop's lib/install.ps1 persist_data
# and libexec/scoop-update.ps1), and the manifest is checked to name every persisted file
# in both of its scripts. Without the carrying back an update brings back the first save,
# which is checked too.
set -euo pipefail
manifest=$1
files=(rabbit.dat varnok.ini)
work=$(mktemp -d "${TMPDIR:-/tmp}/varnok-scoop.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
    echo "scoop: $*" >&2
    exit 1
}

python3 - "$manifest" "${files[@]}" <<'PY' || fail "$manifest does not persist and carry back every file"
import json, sys
manifest = json.load(open(sys.argv[1], encoding="utf-8"))
files = sys.argv[2:]
scripts = ["\n".join(manifest["pre_install"]), "\n".join(manifest["uninstaller"]["script"])]
sys.exit(manifest["persist"] != files + ["skins"] or
         any(f"'{name}'" not in script for name in files for script in scripts))
PY

# install VERSION: Scoop's install_app, from the pre_install script to persist_data.
install() {
    local dir=$apps/$1 name
    mkdir -p "$dir" "$persist"
    : >"$dir/varnok.exe"
    for name in "${files[@]}"; do
        [ -e "$persist/$name" ] || : >"$dir/$name"
    done
    ln -sfn "$dir" "$apps/current"
    for name in "${files[@]}" skins; do
        if [ -e "$persist/$name" ]; then
            if [ -e "$dir/$name" ]; then mv "$dir/$name" "$dir/$name.original"; fi
        elif [ -e "$dir/$name" ]; then
            mv "$dir/$name" "$persist/$name"
        else
            mkdir "$persist/$name"
        fi
        if [ -d "$persist/$name" ]; then ln -s "$persist/$name" "$dir/$name"; else ln "$persist/$name" "$dir/$name"; fi
    done
}

# update OLD NEW CARRY: Scoop's update; CARRY yes runs the manifest's uninstaller, which
# reads the whole file before it writes the persisted one (they may still be one file).
update() {
    local name
    if [ "$3" = yes ]; then
        for name in "${files[@]}"; do
            cp "$apps/$1/$name" "$work/read"
            cat "$work/read" >"$persist/$name"
        done
    fi
    rm "$apps/current"
    install "$2"
}

# save NAME TEXT: the rabbit's save, a new file renamed over the old one.
save() {
    printf '%s\0' "$2" >"$apps/current/$1.tmp"
    mv "$apps/current/$1.tmp" "$apps/current/$1"
}

# holds NAME TEXT: whether the program's folder now gives the rabbit TEXT under NAME.
holds() {
    printf '%s\0' "$2" | cmp -s - "$apps/current/$1"
}

start() {
    apps=$work/$1/apps/varnok persist=$work/$1/persist/varnok
    install 1.0.0
    save rabbit.dat "first save"
    save varnok.ini "size=2"
    mkdir "$apps/current/skins/winter"
    echo blue >"$apps/current/skins/winter/133.png"
}

start carried
update 1.0.0 1.0.1 yes
{ holds rabbit.dat "first save" && holds varnok.ini "size=2"; } || fail "an update lost the newest save"
[ "$(cat "$apps/current/skins/winter/133.png")" = blue ] || fail "an update lost the picture sets"
update 1.0.1 1.0.2 yes
holds rabbit.dat "first save" || fail "an update with no save since the last one lost the save"

start lost
update 1.0.0 1.0.1 no
! holds rabbit.dat "first save" || fail "an update without the uninstaller kept the save: it is not needed"
echo "scoop: updates keep the newest rabbit.dat, varnok.ini and skins"
