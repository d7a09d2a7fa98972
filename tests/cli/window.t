SPDX-License-Identifier: MIT
Copyright 2026 The Noralim developers

The window program's command line answers without a display.

  $ unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
  $ noralim --version
  1.01
  $ noralim --help | head -n 1
  Usage: noralim [PUZZLE | FILE[:LINE]]

A bad operand is named, with exit status 2, and no window opens: options and
operands first.

  $ noralim one two
  noralim: more than one operand (see noralim --help)
  [2]
  $ noralim --bogus
  noralim: unknown option '--bogus' (see noralim --help)
  [2]
  $ noralim -- --help
  --help: No such file or directory
  [2]
  $ noralim $(printf '%080d' 0)x
  puzzle: unexpected character 'x' at column 81
  [2]

A file, or a line of it, that holds no puzzle: the message names the file and
the line.

  $ noralim /nonexistent/p.txt:4
  /nonexistent/p.txt:4: No such file or directory
  [2]
  $ cp "$ROOT/samples/puzzles.txt" .
  $ noralim puzzles.txt:2
  puzzles.txt:2: no puzzle on this line (blank or a comment)
  [2]
  $ noralim puzzles.txt:99
  puzzles.txt: has no line 99 (11 lines)
  [2]
  $ printf '# comment\n%s\n' "$(printf '%080d' 0)" > bad.txt; noralim bad.txt
  bad.txt:2: expected 81 cells, got 80
  [2]
  $ : > empty.txt; noralim empty.txt
  empty.txt: no puzzle in the file
  [2]
  $ noralim empty.txt:0
  empty.txt:0: No such file or directory
  [2]
