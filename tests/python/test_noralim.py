# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

"""The Python module against noralim-solve, its messages, and its threads."""
import ast
import doctest
import pathlib
import re
import signal
import subprocess
import sys
import threading
import time

import numpy as np
import pytest

import noralim
from conftest import ROOT, command_line, puzzle_lines

# Each cell's digit set as noralim-solve shows it: the digit of a settled
# cell, '.' for any other.
SHOWN = np.array([ord(str(s.bit_length())) if s and not s & (s - 1) else ord(".") for s in range(512)], np.uint8)
P = ".......12....35......6...737.....3.....4..8..1...........12.....8.....4..5....6.."


def as_array(lines):
    """Puzzle lines of 81 characters as an (N, 81) uint8 array, 0 a blank."""
    table = bytes.maketrans(b".-0123456789", bytes([0, 0, *range(10)]))
    return np.frombuffer("".join(lines).encode().translate(table), np.uint8).reshape(-1, 81)


def rate_fields(ratings):
    """What --rate adds to each line: solutions, rating, solution."""
    digits = (ratings.solution + ord("0")).view(f"S{81}").ravel()
    return [[str(count), noralim.LEVELS[level - 1] if level else "-", grid.decode() if count == 1 else "-"]
            for count, level, grid in zip(ratings.solutions.tolist(), ratings.levels.tolist(), digits)]


def test_rate_and_solve_give_what_the_command_line_gives(puzzle_file):
    lines = puzzle_lines(puzzle_file)
    expected = command_line("-j", 1, "--rate", puzzle_file)
    for puzzles, jobs in ((lines, 1), (as_array(lines), 0)):
        assert rate_fields(noralim.rate(puzzles, jobs=jobs)) == [fields[3:] for fields in expected]
        runs = noralim.solve(puzzles, jobs=jobs)
        grids = SHOWN[runs.candidates].view("S81").ravel()
        assert [[grid.decode(), noralim.STATUSES[status], str(sweeps)]
                for grid, status, sweeps in zip(grids, runs.status, runs.sweeps)] == [f[:3] for f in expected]


def test_every_form_of_a_puzzle_reads_the_same():
    cells = [c if c != "." else "" for c in P]
    forms = [P, f" {P}\t\r\n", P.replace(".", "0").encode(), str(cells).replace("'", '"'),
             '{"id": 7, "cells": %s}' % str(cells).replace("'", '"')]
    ratings = noralim.rate(forms)
    assert rate_fields(ratings) == [rate_fields(noralim.rate([P]))[0]] * len(forms)
    assert rate_fields(ratings)[0][:2] == ["1", "singles"]
    # JSON cells may hold candidates, which stay as they are.
    runs = noralim.solve(['["1234","5"' + ',""' * 79 + "]"])
    assert runs.candidates[0, :2].tolist() == [0b1111, 0b10000] and noralim.STATUSES[runs.status[0]] == "open"


@pytest.mark.parametrize("function", [noralim.rate, noralim.solve])
@pytest.mark.parametrize("puzzles, jobs, error, message", [
    ([P, "x" * 81], 1, ValueError, r"^puzzle 1: unexpected character 'x' at column 1$"),
    ([P] * 2000 + ["." * 80], 2, ValueError, r"^puzzle 2000: expected 81 cells, got 80$"),
    ([P, "# a comment"], 1, ValueError, r"^puzzle 1: a blank or comment line, no puzzle$"),
    (['["a"' + ',""' * 80 + "]"], 1, ValueError, r"^puzzle 0: cell 1 is not digits$"),
    ([P, 5], 1, TypeError, r"^puzzle 1 is int, not str$"),
    (P, 1, TypeError, r"not one string$"),
    (5, 1, TypeError, r"not iterable$"),
    (np.zeros((2, 80), np.uint8), 1, ValueError, r"the shape \(N, 81\)$"),
    (np.zeros((2, 81)), 1, TypeError, r"must hold integers, not float64$"),
    (np.tril(np.full((2, 81), 10, np.uint8), -1), 1, ValueError, r"^puzzle 1: cell 1 holds 10, not 0 to 9$"),
    (np.full((1, 81), 257), 1, ValueError, r"^puzzle 0: cell 1 holds 257, not 0 to 9$"),
    ([P], -1, ValueError, r"^jobs must be 0 \(every core\) to 256, not -1$"),
])
def test_what_cannot_be_read_raises_naming_the_puzzle(function, puzzles, jobs, error, message):
    with pytest.raises(error, match=message):
        function(puzzles, jobs=jobs)


@pytest.mark.parametrize("options, arguments", [
    ({}, []),
    ({"rating": "locked", "symmetry": "central", "jobs": 0}, ["--rating", "locked", "--symmetry", "central"]),
    ({"rating": "pairs", "minimal": True, "jobs": 2}, ["--rating", "pairs", "--minimal"]),
])
def test_generate_makes_what_the_command_line_makes(options, arguments):
    puzzles = noralim.generate(8, seed=2026, **options)
    assert [["".join(str(d) if d else "." for d in row)] for row in puzzles.tolist()] == command_line(
        "--generate", 8, "--seed", 2026, *arguments)
    ratings = noralim.rate(puzzles)
    assert set(ratings.solutions.tolist()) == {1}
    if "rating" in options:
        assert {noralim.LEVELS[level - 1] for level in ratings.levels} == {options["rating"]}


@pytest.mark.parametrize("options, message", [
    ({"n": -1}, r"^n must be 0 or more, not -1$"),
    ({"n": 1, "rating": "hard"}, r"^rating must be None, calc, singles, .* or search, not 'hard'$"),
    ({"n": 1, "symmetry": "spiral"}, r"^symmetry must be none, central, .* or fourway, not 'spiral'$"),
    ({"n": 1, "jobs": 257}, r"^jobs must be 0 \(every core\) to 256, not 257$"),
])
def test_generate_names_what_it_cannot_make(options, message):
    with pytest.raises(ValueError, match=message):
        noralim.generate(**options)


def test_results_keep_input_order_on_any_number_of_threads():
    lines = puzzle_lines(ROOT / "tests" / "data" / "puzzles17.txt") * 30
    first = noralim.rate(lines, jobs=1)
    for jobs in (2, 3, 0):
        other = noralim.rate(lines, jobs=jobs)
        for name in ("solutions", "levels", "solution"):
            np.testing.assert_array_equal(getattr(other, name), getattr(first, name))
    empty = noralim.solve(np.zeros((0, 81), np.uint8))
    assert (len(empty), empty.candidates.shape, empty.candidates.dtype) == (0, (0, 81), np.uint16)


def test_other_python_threads_run_during_a_call():
    lines = puzzle_lines(ROOT / "tests" / "data" / "puzzles17.txt") * 400
    counts = []
    done = threading.Event()

    def count():
        while not done.is_set():
            counts.append(None)

    counter = threading.Thread(target=count)
    counter.start()
    before = len(counts)
    started = time.perf_counter()
    noralim.rate(lines)
    during = len(counts) - before
    elapsed = time.perf_counter() - started
    done.set()
    counter.join()
    # While the lock is held the counter gets nothing done; released, it
    # counts on through the call (hundreds of thousands a second).
    assert elapsed > 0.05 and during > 10_000


def test_ctrl_c_stops_a_long_call_promptly():
    # A million puzzles take seconds on one thread; the interrupt ends the
    # call within the next batch or two.
    script = (
        "import sys, time, numpy as np, noralim\n"
        f"row = np.frombuffer(b'{P}'.replace(b'.', b'0'), np.uint8) - 48\n"
        "puzzles = np.tile(row, (1_000_000, 1))\n"
        "print('running', flush=True)\n"
        "started = time.perf_counter()\n"
        "try:\n"
        "    noralim.rate(puzzles)\n"
        "except KeyboardInterrupt:\n"
        "    print(f'interrupted after {time.perf_counter() - started:.1f} s', flush=True)\n")
    child = subprocess.Popen([sys.executable, "-c", script], stdout=subprocess.PIPE, text=True)
    assert child.stdout.readline() == "running\n"
    time.sleep(0.5)
    sent = time.perf_counter()
    child.send_signal(signal.SIGINT)
    output, _ = child.communicate(timeout=60)
    assert output.startswith("interrupted after") and child.returncode == 0
    assert time.perf_counter() - sent < 2.0


def test_the_stubs_declare_what_the_module_has():
    stubs = ast.parse((pathlib.Path(noralim.__file__).parent / "noralim.pyi").read_text(encoding="utf-8"))
    declared = {}
    for node in stubs.body:
        if isinstance(node, ast.FunctionDef):
            declared[node.name] = [arg.arg for arg in node.args.args]
        elif isinstance(node, ast.ClassDef):
            declared[node.name] = sorted(item.name for item in node.body if isinstance(item, ast.FunctionDef))
        elif isinstance(node, ast.AnnAssign):
            declared[node.target.id] = None
    public = {name for name in dir(noralim) if not name.startswith("_")}
    assert public == set(declared)
    for name in ("rate", "solve", "generate"):
        signature = getattr(noralim, name).__doc__.splitlines()[0]
        assert [part.split(":")[0] for part in signature[len(name) + 1:signature.index(")")].split(", ")] == declared[name]
    for name in ("Ratings", "Runs"):
        methods = {m for m in vars(getattr(noralim, name)) if not m.startswith("_") or m == "__len__"}
        assert methods == set(declared[name])


def test_the_readme_session_shows_what_the_module_gives(monkeypatch):
    monkeypatch.chdir(ROOT)
    session = re.search(r"```python\n(>>> .*?)```", (ROOT / "README.md").read_text(encoding="utf-8"), re.S).group(1)
    test = doctest.DocTestParser().get_doctest(session, {}, "README", "README.md", 0)
    assert doctest.DocTestRunner().run(test).failed == 0
