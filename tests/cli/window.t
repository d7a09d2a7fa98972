SPDX-License-Identifier: MIT
Copyright 2026 The Noralim developers

The window program's command line answers without a display.

  $ unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
  $ noralim --version
  noralim 1.01
  Copyright 2026 The Noralim developers
  Licence: MIT
  $ noralim --help | head -n 1
  Usage: noralim [OPTION]... [PUZZLE | FILE[:LINE]]
  $ noralim --vers | head -n 1
  noralim 1.01
  $ noralim --version > /dev/full
  noralim: write error: No space left on device
  [2]

A bad operand is named, with exit status 2, and no window opens: options and
operands first.

  $ noralim one two
  noralim: more than one operand
  Try 'noralim --help' for more information.
  [2]
  $ noralim --bogus
  noralim: unknown option '--bogus'
  Try 'noralim --help' for more information.
  [2]
  $ noralim -- --help
  --help: No such file or directory
  [2]
  $ noralim $(printf '%080d' 0)x
  puzzle: unexpected character 'x' at column 81
  [2]
  $ noralim $(printf '%080d' 0)
  puzzle: expected 81 cells, got 80
  [2]
  $ noralim --pace 1001
  noralim: --pace takes a number of milliseconds from 0 to 1000
  Try 'noralim --help' for more information.
  [2]
  $ noralim --pace=slow
  noralim: --pace takes a number of milliseconds from 0 to 1000
  Try 'noralim --help' for more information.
  [2]

With no display the window says so in one line; the toolkit's options reach
it as it reads them, with one dash or two, the value after = or apart.

  $ noralim
  noralim: no display to open the window on (DISPLAY is not set); try -platform offscreen, or xvfb-run
  [2]
  $ noralim -platform
  noralim: option '-platform' needs a platform name
  Try 'noralim --help' for more information.
  [2]
  $ for p in -platform=offscreen '--platform offscreen'; do timeout 2 noralim $p --style=fusion 2>/dev/null; echo $?; done
  124
  124

A file, or a line of it, that holds no puzzle: the message names the file and
the line. The first line that is not blank or a comment decides, and a line
too long to be a puzzle ends the reading at once, even in an endless file.

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
  $ timeout 10 noralim /dev/zero
  /dev/zero:1: line longer than 1048576 bytes
  [2]
  $ printf '%s\n' "$(printf '%080d' 0)" "$(printf '%081d' 0)" > second.txt; noralim second.txt
  second.txt:1: expected 81 cells, got 80
  [2]
  $ printf '{"cells":["%s"%s]}\n' "$(head -c 70000 /dev/zero | tr '\0' 1)" "$(printf ',""%.0s' {2..81})" > long.txt; noralim long.txt
  noralim: a cell holds more than 65536 characters
  [2]

The help text and the manual page name the same options, and the program
takes every one of them.

  $ options() { tr -d '\\' | grep -o -- '\(^\| \)\(--[a-z]*\|-[a-z]\+\)' | tr -d ' ' | grep -vx -- '-platform\|-style\|-reverse' | sort -u; }
  $ diff <(noralim --help | options) <(sed -n '/^.SH SYNOPSIS/,/^.SH DIAGNOSTICS/p' "$ROOT/docs/man/noralim.1.in" | options)
  $ for o in $(noralim --help | options); do noralim $o x y < /dev/null 2>&1 | grep 'unknown'; done
  [1]

Under a Japanese locale the help text and the window's own messages are
Japanese; the command line's are not translated.

  $ japanese() { env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=ja_JP.UTF-8 "$@"; }
  $ japanese noralim --help | grep -c 'ナンバープレース'
  1
  $ japanese noralim --bogus 2>&1 | grep -c '不明なオプション'
  1
  $ japanese noralim-solve --bogus 2>&1 | head -n 1
  noralim-solve: unknown option '--bogus'
