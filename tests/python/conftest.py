# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

"""What the module's tests share: the puzzle files and noralim-solve's view of them."""
import os
import pathlib
import subprocess

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]
# Royle's 17-clue collection, where the repository has shared data beside it.
ROYLE = ROOT.parent / "shared" / "data" / "royle-17clue.txt"
FILES = [ROOT / "samples" / "puzzles.txt", ROOT / "tests" / "data" / "puzzles17.txt"]
if ROYLE.exists():
    FILES.append(ROYLE)


def puzzle_lines(path):
    """The lines of a file that noralim-solve takes as puzzles."""
    lines = path.read_text(encoding="utf-8").splitlines()
    return [line for line in lines if line.strip() and not line.lstrip().startswith("#")]


def command_line(*args, stdin=None):
    """noralim-solve's output lines, split into fields."""
    done = subprocess.run(
        [os.environ.get("NORALIM_SOLVE", "noralim-solve"), *map(str, args)],
        input=stdin, capture_output=True, text=True, check=True)
    return [line.split(" ") for line in done.stdout.splitlines()]


@pytest.fixture(scope="session", params=FILES, ids=lambda path: path.name)
def puzzle_file(request):
    return request.param
