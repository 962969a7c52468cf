#!/bin/bash
# Fails when a file of the portable core includes a Windows header or anything of the
# Win32 shell under windows/. The core's folders are the top-level folders with C++
# sources other than the shell's, the tests', the tools' and the resources'.
# check-layers.sh [ROOT]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"
notCore='^(windows|tests|bench|tools|res|cmake|docs|build|dist)$'
folders=()
for dir in */; do
    dir=${dir%/}
    [[ $dir =~ $notCore ]] && continue
    [ -n "$(find "$dir" -name '*.cpp' -o -name '*.h' | head -n 1)" ] && folders+=("$dir")
done
[ ${#folders[@]} -gt 0 ] || { echo "check-layers: no portable folder in $root" >&2; exit 1; }
# <windows.h> and the SDK's other headers in any spelling, and the shell's files.
windowsInclude='^[[:space:]]*#[[:space:]]*include[[:space:]]*(<(windows|win[a-z0-9]*|shellapi|shlobj|shlwapi|commctrl|commdlg|objbase|ole2|psapi)\.h>|"(\.\./)*windows/)'
if grep -rnEi --include='*.cpp' --include='*.h' "$windowsInclude" "${folders[@]}"; then
    echo "check-layers: the portable folders (${folders[*]}) must not include Windows headers or windows/" >&2
    exit 1
fi
echo "check-layers: ${folders[*]} include no Windows header and nothing under windows/"
