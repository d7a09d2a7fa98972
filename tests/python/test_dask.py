# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

"""The README's Dask example, run as it stands on two worker processes."""
import re

import pytest
from distributed import Client, LocalCluster

from conftest import ROOT, command_line, puzzle_lines


def readme_example():
    """The README's Python block that defines rate_collection."""
    blocks = re.findall(r"```python\n(.*?)```", (ROOT / "README.md").read_text(encoding="utf-8"), re.S)
    return next(block for block in blocks if "def rate_collection" in block)


# Debian's distributed 2022.12 starts tornado's loop the way tornado 6.2 deprecates.
@pytest.mark.filterwarnings("ignore:make_current is deprecated:DeprecationWarning")
def test_the_readme_example_rates_a_file_as_the_command_line_does(tmp_path):
    source = tmp_path / "collection.txt"
    text = "".join((ROOT / name).read_text(encoding="utf-8") for name in ("samples/puzzles.txt", "tests/data/puzzles17.txt"))
    source.write_text("# a comment, and a blank line\n\n" + text, encoding="utf-8")
    example = {}
    exec(readme_example(), example)  # pylint: disable=exec-used
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None) as cluster:
        with Client(cluster) as client:
            example["rate_collection"](str(source), str(tmp_path / "rated"), blocksize="2kB")
            workers = client.run(lambda: None)
    parts = sorted((tmp_path / "rated").glob("part-*.txt"))
    rated = [line.split(" ") for part in parts for line in part.read_text(encoding="utf-8").splitlines()]
    expected = [[puzzle, *fields[3:]] for puzzle, fields in zip(puzzle_lines(source), command_line("--rate", source))]
    assert (len(workers), len(parts) > 2, rated) == (2, True, expected)
