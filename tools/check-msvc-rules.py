#!/usr/bin/env python3
"""Reads the sources that MSVC builds (program, core, host and Windows tests) against MSVC's
level-4 warnings, as far as clang in MSVC mode can tell on Linux, so that the native
build with /W4 /WX does not meet them first.

    check-msvc-rules.py BUILD_DIR

BUILD_DIR is a configured build of the windows-clang preset: its compile_commands.json
names the files and their defines and include folders. Each file is only parsed (no
objects), with clang's driver for cl.exe over the MinGW headers: _MSC_VER is defined and
long is 32 bits, as with MSVC. Prints what it finds and fails when it finds anything.

What it cannot see: where clang proves a value fits and MSVC does not try (an int masked
or chosen by ?: into a uint8_t, C4244), explicit casts that cut a constant (C4309, C4310),
constant conditions (C4127), assignments inside conditions however bracketed (C4706),
32-bit shifts widened to 64 (C4334), minus on an unsigned value (C4146); anything of
MSVC's STL or the Windows SDK's headers (it reads libstdc++ and MinGW's); the resource
compiler and the linker.
"""
import concurrent.futures
import json
import os
import shlex
import subprocess
import sys

MINGW_HEADERS = "/usr/share/mingw-w64/include"

# clang's warnings that stand for MSVC's at /W4 (clang-cl reads /W4 as -Wall -Wextra, which
# brings unused parameters and variables: C4100, C4189).
MSVC_LIKE_WARNINGS = [
    "-Wshadow-all",  # C4456-C4459: locals, parameters and members hiding one another or globals
    "-Wshorten-64-to-32",  # C4267, C4244: size_t and 64-bit values into int
    "-Wimplicit-int-conversion",  # C4244: int into char, short and their unsigned kin
    "-Wimplicit-float-conversion",  # C4244, C4305
    "-Wimplicit-int-float-conversion",
    "-Wfloat-conversion",
    "-Wsign-compare",  # C4018, C4389
    "-Wunreachable-code",  # C4702
    "-Wconditional-uninitialized",  # C4701
    "-Wpedantic",  # what MSVC does not take: VLAs, designated initialisers before C++20
]

MSVC_MODE = [
    "--driver-mode=cl",
    "--target=x86_64-pc-windows-msvc",
    "/Zs",
    "/std:c++17",
    "/permissive-",
    "/utf-8",
    "/W4",
    # The MinGW headers drop __attribute__ when __GNUC__ is missing, which breaks clang's own
    # intrinsics, and take their dllimport branch only where __declspec is a macro, as
    # MinGW's GCC defines it.
    "/clang:-fgnuc-version=12",
    "-D__declspec(x)=__declspec(x)",
    # libstdc++ expects it with a strict -std=c++17.
    "-D__STRICT_ANSI__",
    # GoogleTest's headers are read as ours: a comparison of mixed signs inside EXPECT_EQ
    # is one in the test that instantiates it.
    "/clang:--no-system-header-prefix=gtest/",
]


def parse_command(entry):
    """The clang-cl command that parses one compile_commands.json entry's file."""
    command = ["clang"] + MSVC_MODE
    words = iter(shlex.split(entry["command"])[1:])
    for word in words:
        if word == "-isystem":
            command += ["/imsvc", next(words)]
        elif word in ("-D", "-I"):
            command += [word, next(words)]
        elif word.startswith(("-D", "-I")):
            command.append(word)
    return command + ["/imsvc", MINGW_HEADERS] + MSVC_LIKE_WARNINGS + ["--", entry["file"]]


def ours(entry, source, build):
    path = entry["file"]
    return (
        path.endswith((".cpp", ".c"))
        and path.startswith(source + os.sep)
        and not path.startswith(build + os.sep)
        # The benchmarks are built on Linux only.
        and not path.startswith(os.path.join(source, "bench") + os.sep)
    )


def main():
    build = os.path.realpath(sys.argv[1])
    source = os.path.realpath(os.path.join(os.path.dirname(__file__), ".."))
    with open(os.path.join(build, "compile_commands.json")) as database:
        entries = [entry for entry in json.load(database) if ours(entry, source, build)]

    def parse(entry):
        run = subprocess.run(
            parse_command(entry), cwd=entry["directory"], capture_output=True, text=True
        )
        return run.stdout + run.stderr

    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        findings = [output for output in pool.map(parse, entries) if output.strip()]
    for output in findings:
        print(output)
    print(f"msvc-rules: {len(entries)} files read, {len(findings)} with findings")
    return 1 if findings or not entries else 0


if __name__ == "__main__":
    sys.exit(main())
