SPDX-License-Identifier: MIT
Copyright 2026 The Noralim developers

The window program's command line answers without a display.

  $ unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
  $ export XDG_DATA_HOME="$PWD/data"
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
  $ noralim '["1"]'
  puzzle: expected 81 cells, got 1
  [2]
  $ noralim --pace 1001
  noralim: --pace takes a number of milliseconds from 0 to 1000
  Try 'noralim --help' for more information.
  [2]
  $ for pace in --pace=slow --pace=100ms '--pace 1e2'; do noralim $pace; echo $?; done
  noralim: --pace takes a number of milliseconds from 0 to 1000
  Try 'noralim --help' for more information.
  2
  noralim: --pace takes a number of milliseconds from 0 to 1000
  Try 'noralim --help' for more information.
  2
  noralim: --pace takes a number of milliseconds from 0 to 1000
  Try 'noralim --help' for more information.
  2

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

A JSON line is a puzzle operand too, however long it is for a file name.

  $ XDG_DATA_HOME="$PWD/json" timeout 2 noralim -platform offscreen "{\"cells\": [\"5\"$(printf ', "123456789"%.0s' $(seq 80))]}" 2>/dev/null; echo $?
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
  empty.txt:0: no such line: lines count from 1
  [2]
  $ noralim empty.txt:abc
  empty.txt:abc: no such line: 'abc' is not a line number
  [2]
  $ noralim empty.txt:99999999999999999999
  empty.txt:99999999999999999999: no such line: the line number is too large
  [2]
  $ timeout 10 noralim /dev/zero
  /dev/zero:1: line longer than 1048576 bytes
  [2]
  $ printf '%s\n' "$(printf '%080d' 0)" "$(printf '%081d' 0)" > second.txt; noralim second.txt
  second.txt:1: expected 81 cells, got 80
  [2]

The puzzle of a file may also be nine rows, with borders between them as web
pages and forums draw them, as in .sdk and .ss files, or a line of 729
candidates; FILE:LINE is the puzzle that starts on that line.

  $ printf '+-------+-------+-------+\n| 5 3 . | . 7 . | . . . |\n| 6 . . | 1 9 5 | . . . . |\n' > grid.txt; noralim grid.txt
  grid.txt:3: expected 9 cells, got 10
  [2]
  $ printf '#Aauthor\n53..7....\n6..195...\n' > p.sdk; noralim p.sdk; noralim p.sdk:3
  p.sdk:2: expected 9 rows, got 2
  p.sdk:3: expected 9 rows, got 1
  [2]
  $ printf '! comment\n53.|.7.|...\n---+---+---\n6..|1?5|...\n' > p.ss; noralim p.ss
  p.ss:4: unexpected character '?' at column 6
  [2]
  $ { printf '1.4'; printf '%726s\n' ''; } > candidates.txt; noralim candidates.txt
  candidates.txt:1: digit 4 out of place at column 3 (only 3 or a blank goes there)
  [2]

  $ printf '{"cells":["%s"%s]}\n' "$(head -c 70000 /dev/zero | tr '\0' 1)" "$(printf ',""%.0s' {2..81})" > long.txt; noralim long.txt
  long.txt:1: a cell holds more than 65536 characters
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

--export writes puzzles onto paper with no display: a booklet whose digits
are text, the puzzles first and the solutions after them; or one puzzle as
SVG. An input that cannot be read exits 2 with the reader's message and
leaves nothing at OUT.

  $ sed -n 3p "$ROOT/samples/puzzles.txt" > ten.txt; for i in 1 2 3 4 5 6 7 8 9; do sed -n 5p "$ROOT/samples/puzzles.txt"; done >> ten.txt
  $ noralim --export out.pdf --per-page 4 --solutions ten.txt
  $ pdfinfo out.pdf | grep -E '^Pages'
  Pages:           4
  $ pdftotext -f 1 -l 1 out.pdf - | grep -x -e '[0-9.]\{81\}' -e 'Puzzle [0-9] .*' | sort
  4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......
  4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......
  4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......
  8...1..2..7.2..3.4..6..8.7.7.....5.6.2.....9.9.8.....3.5.3..8..3.1..7.5..9..4...2
  Puzzle 1 \xc2\xb7 calc (esc)
  Puzzle 2 \xc2\xb7 locked (esc)
  Puzzle 3 \xc2\xb7 locked (esc)
  Puzzle 4 \xc2\xb7 locked (esc)
  $ pdftotext -f 4 -l 4 out.pdf - | grep -c -x -e 849713625175269384236458971713982546524136798968574213452391867381627459697845132 -e '4 */ *4'
  2
  $ noralim-solve --generate 1 --json --seed 7 2>/dev/null > made.json
  $ noralim --export made.pdf made.json && pdftotext made.pdf - | grep -c 'seed 7'
  1
  $ noralim --export one.svg ten.txt:1 && grep -c '<text' one.svg
  28
  $ noralim --export=gone.pdf ten.txt missing.txt; ls gone.pdf
  missing.txt: No such file or directory
  ls: cannot access 'gone.pdf': No such file or directory
  [2]
  $ noralim --export=gone.svg ten.txt
  noralim: an SVG file holds one puzzle, not 10
  [2]
  $ noralim --per-page=3 --export=x.pdf ten.txt
  noralim: --per-page takes 1, 2, 4 or 6
  Try 'noralim --help' for more information.
  [2]
  $ noralim --solutions ten.txt
  noralim: --per-page and --solutions go with --export
  Try 'noralim --help' for more information.
  [2]
  $ ls data 2>/dev/null
  [2]
