# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

"""Type stubs of the noralim module (python/noralim.cpp)."""

from typing import Iterable, Optional, Union

import numpy as np
import numpy.typing as npt

LEVELS: tuple[str, ...]
STATUSES: tuple[str, ...]

Puzzles = Union[Iterable[Union[str, bytes]], npt.NDArray[np.integer]]

class Ratings:
    @property
    def solutions(self) -> npt.NDArray[np.uint8]: ...
    @property
    def levels(self) -> npt.NDArray[np.uint8]: ...
    @property
    def solution(self) -> npt.NDArray[np.uint8]: ...
    def __len__(self) -> int: ...

class Runs:
    @property
    def status(self) -> npt.NDArray[np.uint8]: ...
    @property
    def sweeps(self) -> npt.NDArray[np.int32]: ...
    @property
    def candidates(self) -> npt.NDArray[np.uint16]: ...
    def __len__(self) -> int: ...

def rate(puzzles: Puzzles, jobs: int = 1) -> Ratings: ...
def solve(puzzles: Puzzles, jobs: int = 1) -> Runs: ...
def generate(
    n: int,
    rating: Optional[str] = None,
    symmetry: str = "none",
    minimal: bool = False,
    seed: Optional[int] = None,
    jobs: int = 1,
) -> npt.NDArray[np.uint8]: ...
