#!/usr/bin/env python3
"""Checks what a reader of the documents follows: every relative link and picture in
README.md and docs/*.md leads to a file (and a #heading to a heading of its file), every
picture in docs/ is shown or linked from README.md, and no line of the download's readme is
wider than Notepad shows without wrapping (a Chinese character, or one whose width
depends on the font, takes two columns).
Prints each problem and exits 1 when there is one."""
import pathlib
import re
import sys
import unicodedata

REPO = pathlib.Path(__file__).resolve().parent.parent
README_COLUMNS = 72
LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)\)")


def anchor(heading):
    # GitHub's: lower case, punctuation dropped, each space a hyphen.
    kept = "".join(c for c in heading.strip().lower() if c.isalnum() or c in " -_")
    return kept.replace(" ", "-")


def anchors(path):
    text = path.read_text(encoding="utf-8")
    return {anchor(line.lstrip("#")) for line in text.splitlines() if line.startswith("#")}


def link_problems(document):
    problems = []
    text = document.read_text(encoding="utf-8")
    for target in LINK.findall(text):
        if re.match(r"[a-z]+:", target):
            continue
        path, _, heading = target.partition("#")
        linked = (document.parent / path).resolve() if path else document
        if not linked.exists():
            problems.append(f"{document.relative_to(REPO)}: {target} does not exist")
        elif heading and linked.suffix == ".md" and heading not in anchors(linked):
            problems.append(f"{document.relative_to(REPO)}: {target} names no heading")
    return problems


def columns(line):
    return sum(2 if unicodedata.east_asian_width(c) in "WFA" else 1 for c in line)


def main():
    readme = REPO / "README.md"
    problems = []
    for document in [readme, *sorted((REPO / "docs").glob("*.md"))]:
        problems += link_problems(document)
    shown = {(readme.parent / t).resolve() for t in LINK.findall(readme.read_text(encoding="utf-8"))}
    for picture in sorted((REPO / "docs").glob("*.png")):
        if picture.resolve() not in shown:
            problems.append(f"README.md: {picture.relative_to(REPO)} is neither shown nor linked")
    package_readme = REPO / "tools" / "package-readme.txt"
    for number, line in enumerate(package_readme.read_text(encoding="utf-8").splitlines(), 1):
        if columns(line) > README_COLUMNS:
            problems.append(f"{package_readme.relative_to(REPO)}:{number}: {columns(line)} "
                            f"columns, more than {README_COLUMNS}")
    for problem in problems:
        print(problem)
    print(f"docs: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
