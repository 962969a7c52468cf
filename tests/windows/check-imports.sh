#!/bin/bash
# Checks that a program imports only DLLs every Windows has, so the one exe runs as is:
# check-imports.sh OBJDUMP PROGRAM
set -euo pipefail
objdump=$1
program=$2
allowed='^(kernel32|user32|gdi32|advapi32|shell32|msvcrt|comctl32|comdlg32|ole32|oleaut32)\.dll$'
status=0
imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || { echo "no imports found in $program"; exit 1; }
for dll in $imports; do
    if [[ ! ${dll,,} =~ $allowed ]]; then
        echo "not a system DLL: $dll"
        status=1
    fi
done
[ $status -eq 0 ] && echo "imports: $(echo $imports)"
exit $status
