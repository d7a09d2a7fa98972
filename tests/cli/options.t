SPDX-License-Identifier: MIT
Copyright 2026 The Noralim developers

Options of noralim-solve as people type them by habit, and what it says when
they are wrong.

  $ EMPTY=$(printf '%081d' 0 | tr 0 .)

Help and version go to standard output; -h is --help. Output that cannot be
written is an error.

  $ noralim-solve --help | head -n 2
  Usage: noralim-solve [OPTION]... [FILE]...
    or:  noralim-solve --generate N [--rating LEVEL] [--symmetry NAME] [--minimal]
  $ noralim-solve -h | head -n 1
  Usage: noralim-solve [OPTION]... [FILE]...
  $ noralim-solve --version
  noralim-solve 1.01
  Copyright 2026 The Noralim developers
  Licence: MIT
  $ noralim-solve --version > /dev/full
  noralim-solve: write error: No space left on device
  [2]

Long options take their value after = or as the next argument and may be
shortened; short options combine and take their value attached; -- ends the
options, and - is standard input wherever it stands.

  $ noralim-solve --puzzle=$EMPTY --jobs=2 --jobs 3 --sum -j1 -p$EMPTY
  ................................................................................. open 2
  ................................................................................. open 2
  2 puzzles: 0 solved, 2 open, 0 invalid
  sweeps: min 2, median 2, max 2
  2 | ######################################## 2
  $ noralim-solve --js -p "$EMPTY" | cut -c 1-30
  {"line":1,"cells":["123456789"
  $ echo 1 | noralim-solve - -j256
  -:1: expected 81 cells, got 1
  [1]
  $ echo "$EMPTY" | noralim-solve -p "$EMPTY" -- -
  ................................................................................. open 2
  ................................................................................. open 2
  $ noralim-solve -- --json
  noralim-solve: --json: No such file or directory
  [2]

A usage error is one line, and a pointer to --help.

  $ noralim-solve --fast
  noralim-solve: unknown option '--fast'
  Try 'noralim-solve --help' for more information.
  [2]
  $ noralim-solve --j 2
  noralim-solve: option '--j' is ambiguous
  Try 'noralim-solve --help' for more information.
  [2]
  $ noralim-solve --json=yes
  noralim-solve: option '--json' takes no value
  Try 'noralim-solve --help' for more information.
  [2]
  $ noralim-solve -p 2>&1 | head -n 1
  noralim-solve: option '-p' needs a puzzle
  $ noralim-solve --puzzle 2>&1 | head -n 1
  noralim-solve: option '--puzzle' needs a puzzle
  $ noralim-solve -x 2>&1 | head -n 1
  noralim-solve: unknown option '-x'
  $ noralim-solve -j 0 2>&1 | head -n 1
  noralim-solve: -j takes a number of threads from 1 to 256
  $ noralim-solve --jobs=257 2>&1 | head -n 1
  noralim-solve: -j takes a number of threads from 1 to 256
  $ for j in -jx '-j 4x' '-j 04x' --jobs=2.0; do noralim-solve $j -p 1 2>&1 | head -n 1; done
  noralim-solve: -j takes a number of threads from 1 to 256
  noralim-solve: -j takes a number of threads from 1 to 256
  noralim-solve: -j takes a number of threads from 1 to 256
  noralim-solve: -j takes a number of threads from 1 to 256

--trace implies --json and lists every write, as [cell, text].

  $ noralim-solve --trace -p 849713625175269384236458971713982546524136798968574213452391867381627459697845132 | grep -o '^{"line":1,"cells":\["8","4","9",\|"status":"solved","sweeps":1,"writes":\[\[1,"8"\],\[2,"4"\]'
  {"line":1,"cells":["8","4","9",
  "status":"solved","sweeps":1,"writes":[[1,"8"],[2,"4"]

The help text and the manual page name the same options, and the program
takes every one of them.

  $ options() { tr -d '\\' | grep -o -- '\(^\| \)\(--[a-z]*\|-[a-z]\+\)' | tr -d ' ' | grep -vx -- '-platform\|-style\|-reverse' | sort -u; }
  $ noralim-solve --help | options | tr '\n' ' '
  -- --generate --help --jobs --json --minimal --puzzle --rate --rating --seed --summary --symmetry --trace --version -h -j -p  (no-eol)
  $ diff <(noralim-solve --help | options) <(sed -n '/^.SH SYNOPSIS/,/^.SH DIAGNOSTICS/p' "$ROOT/docs/man/noralim-solve.1.in" | options)
  $ for o in $(noralim-solve --help | options); do noralim-solve $o < /dev/null 2>&1 | grep 'unknown'; done
  [1]
