#!/bin/bash
# Installs what building, running and testing the rabbit needs on Debian 12, only
# the packages that are missing, and makes sure the zh_TW.UTF-8 locale exists.
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

if [ ${#missing[@]} -gt 0 ]; then
    [ "$(id -u)" -eq 0 ] || { echo "install-deps: run as root to install: ${missing[*]}" >&2; exit 1; }
    echo "install-deps: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The program's texts and the save file's name field are Big5: Wine takes code
# page 950 from this locale.
if ! locale -a 2>/dev/null | grep -qix 'zh_TW\.utf-\?8'; then
    [ "$(id -u)" -eq 0 ] || { echo "install-deps: run as root to generate zh_TW.UTF-8" >&2; exit 1; }
    sed -i 's/^# *\(zh_TW\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_TW\.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_TW.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
fi
