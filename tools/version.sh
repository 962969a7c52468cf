#!/bin/bash
# Prints the program's version, kept in one place: the project() line of CMakeLists.txt.
set -euo pipefail
version=$(sed -n 's/^project(varnok VERSION \([0-9][0-9.]*\)[ )].*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
[ -n "$version" ] || { echo "version: CMakeLists.txt's project() names no version" >&2; exit 1; }
echo "$version"
