#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

"""Makes the sets --rate is timed on from a file of puzzles with one solution
each (the 17-clue file), so that every machine times the same lines:

    bench/rate_sets.py build/cli/noralim-solve ../shared/data/royle-17clue.txt OUT

writes to the folder OUT:
  search.txt   the puzzles that rate search;
  search8.txt  each of those in its eight orientations (as given, turned
               over the diagonal, and either of them flipped top to bottom,
               left to right or both);
  minus1.txt   each puzzle with its first clue taken away (two solutions or
               more);
  wrong1.txt   each puzzle with a wrong digit in its first empty cell that
               can take one: the lowest digit that no clue among the cell's
               peers holds and that is not the solution's (no solution).
"""
import os
import subprocess
import sys


def peers(cell):
    row, column = divmod(cell, 9)
    for other in range(81):
        r, c = divmod(other, 9)
        same_box = r // 3 == row // 3 and c // 3 == column // 3
        if other != cell and (r == row or c == column or same_box):
            yield other


def orientations(puzzle):
    rows = [puzzle[9 * r:9 * r + 9] for r in range(9)]
    turned = ["".join(rows[c][r] for c in range(9)) for r in range(9)]
    for grid in (rows, turned):
        for flip_rows in (False, True):
            for flip_columns in (False, True):
                out = grid[::-1] if flip_rows else grid
                yield "".join(row[::-1] if flip_columns else row for row in out)


def with_wrong_digit(puzzle, solution):
    for cell, char in enumerate(puzzle):
        if char != ".":
            continue
        held = {puzzle[p] for p in peers(cell)}
        for digit in "123456789":
            if digit not in held and digit != solution[cell]:
                return puzzle[:cell] + digit + puzzle[cell + 1:]
    return None


def main(solver, path, out):
    with open(path, encoding="utf-8") as file:
        puzzles = [line.strip() for line in file if len(line.strip()) == 81]
    rated = subprocess.run([solver, "--rate", path], check=True, capture_output=True, text=True).stdout.splitlines()
    if len(rated) != len(puzzles):
        sys.exit(f"{path}: {len(puzzles)} puzzles, {len(rated)} lines rated")
    fields = [line.split() for line in rated]
    if any(f[3] != "1" for f in fields):
        sys.exit(f"{path}: every puzzle must have one solution")
    search = [p for p, f in zip(puzzles, fields) if f[4] == "search"]
    minus1 = []
    for puzzle in puzzles:
        first = next(k for k, c in enumerate(puzzle) if c != ".")
        minus1.append(puzzle[:first] + "." + puzzle[first + 1:])
    wrong1 = [w for w in (with_wrong_digit(p, f[5]) for p, f in zip(puzzles, fields)) if w]
    sets = {
        "search": search,
        "search8": [o for p in search for o in orientations(p)],
        "minus1": minus1,
        "wrong1": wrong1,
    }
    os.makedirs(out, exist_ok=True)
    for name, lines in sets.items():
        with open(os.path.join(out, name + ".txt"), "w", encoding="utf-8") as file:
            file.write("\n".join(lines) + "\n")
        print(f"{name}.txt: {len(lines)} lines")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
