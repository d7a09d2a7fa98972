SPDX-License-Identifier: MIT
Copyright 2026 The Noralim developers

Options of noralim-solve, and what it says when they are wrong.

  $ EMPTY=$(printf '%081d' 0 | tr 0 .)

Help and version go to standard output; -h is --help.

  $ noralim-solve --help | head -n 2
  Usage: noralim-solve [--json] [--trace] [--summary] [-j N] [-p PUZZLE]... [FILE ...]
  Narrows 9x9 number-place puzzles by propagation, one puzzle a line.
  $ noralim-solve -h | head -n 1
  Usage: noralim-solve [--json] [--trace] [--summary] [-j N] [-p PUZZLE]... [FILE ...]
  $ noralim-solve --version
  1.01

A usage error names what is wrong, shows how to use the command, and exits 2.

  $ noralim-solve --fast 2> err
  [2]
  $ head -n 2 err
  noralim-solve: unknown option '--fast'
  Usage: noralim-solve [--json] [--trace] [--summary] [-j N] [-p PUZZLE]... [FILE ...]
  $ noralim-solve -j 0 2>&1 | head -n 1
  noralim-solve: -j takes a number of threads from 1 to 256
  $ noralim-solve -j 257 2>&1 | head -n 1
  noralim-solve: -j takes a number of threads from 1 to 256
  $ noralim-solve -jx 2>&1 | head -n 1
  noralim-solve: -j takes a number of threads from 1 to 256
  $ noralim-solve -j 2>&1 | head -n 1
  noralim-solve: -j takes a number of threads from 1 to 256
  $ noralim-solve -p 2> err
  [2]
  $ head -n 1 err
  noralim-solve: -p takes a puzzle

-j takes 1 to 256 threads, joined to it or apart.

  $ noralim-solve -j 256 -p "$EMPTY"
  ................................................................................. open 2
  $ noralim-solve -j1 -p "$EMPTY"
  ................................................................................. open 2

-- ends the options; - is standard input, wherever it stands.

  $ echo "$EMPTY" | noralim-solve -p "$EMPTY" -- -
  ................................................................................. open 2
  ................................................................................. open 2
  $ noralim-solve -- --json
  noralim-solve: --json: No such file or directory
  [2]
  $ echo 1 | noralim-solve - --json
  -:1: expected 81 cells, got 1
  [1]

--trace implies --json and lists every write, as [cell, text].

  $ noralim-solve --trace -p 849713625175269384236458971713982546524136798968574213452391867381627459697845132 | grep -o '^{"line":1,"cells":\["8","4","9",\|"status":"solved","sweeps":1,"writes":\[\[1,"8"\],\[2,"4"\]'
  {"line":1,"cells":["8","4","9",
  "status":"solved","sweeps":1,"writes":[[1,"8"],[2,"4"]
