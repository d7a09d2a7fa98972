#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

"""Prints how large the tests are beside the code they test.

Counts the non-blank lines that are not only a comment, in C++ sources and
headers, Python files and stubs, and CMake files: tests/ plus fuzz/ against
solver/, boards/, reader/, batch/, cli/, ui/ and python/. Data files
(tests/data/, fuzz corpora) are not counted.
"""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
CODE = ["solver", "boards", "reader", "batch", "cli", "ui", "python"]
TESTS = ["tests", "fuzz"]
CXX = {".cpp", ".h"}
PYTHON = {".py", ".pyi"}


def counted_lines(path):
    hashed = path.name == "CMakeLists.txt" or path.suffix == ".cmake" or path.suffix in PYTHON
    comment = "#" if hashed else "//"
    in_block = False
    count = 0
    for raw in path.read_text(encoding="utf-8").splitlines():
        line = raw.strip()
        if not hashed and in_block:
            if "*/" in line:
                in_block = False
                line = line.split("*/", 1)[1].strip()
            else:
                continue
        if not hashed and line.startswith("/*"):
            if "*/" not in line:
                in_block = True
                continue
            line = line.split("*/", 1)[1].strip()
        if line and not line.startswith(comment):
            count += 1
    return count


def count(folders):
    total = 0
    for folder in folders:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.is_file() and (path.suffix in CXX | PYTHON or path.name == "CMakeLists.txt"):
                total += counted_lines(path)
    return total


def main():
    code = count(CODE)
    tests = count(TESTS)
    ratio = 100.0 * tests / code
    print(f"code  ({' '.join(f + '/' for f in CODE)}): {code:5d} lines")
    print(f"tests ({' '.join(f + '/' for f in TESTS)}): {tests:5d} lines")
    print(f"tests / code: {ratio:5.1f} %")
    return 0


if __name__ == "__main__":
    sys.exit(main())
