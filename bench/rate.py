#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

"""Rates a file of puzzle lines with the Python module, as a whole process to
time beside noralim-solve -j 1 --rate on the same file: the interpreter's
start, numpy's import and the reading of the file included.

    bench/rate.py FILE [strings|array] [JOBS]

strings: the file's lines as a list of str; array: the file read into an
(N, 81) uint8 array first (every line 81 puzzle characters).
"""
import sys

import numpy as np

import noralim


def main(path, form="strings", jobs="1"):
    if form == "strings":
        with open(path, encoding="utf-8") as file:
            puzzles = file.read().splitlines()
    else:
        table = bytes.maketrans(b".-0123456789", bytes([0, 0, *range(10)]))
        with open(path, "rb") as file:
            puzzles = np.frombuffer(file.read().replace(b"\n", b"").translate(table), np.uint8).reshape(-1, 81)
    ratings = noralim.rate(puzzles, jobs=int(jobs))
    print(len(ratings), "puzzles,", int((ratings.solutions == 1).sum()), "with one solution")


if __name__ == "__main__":
    main(*sys.argv[1:])
