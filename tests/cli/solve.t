SPDX-License-Identifier: MIT
Copyright 2026 The Noralim developers

noralim-solve on files of puzzles: one line a puzzle, the grid (digits of
settled cells, '.' elsewhere), the status and the number of sweeps.

  $ EMPTY=$(printf '%081d' 0 | tr 0 .)
  $ noralim-solve "$ROOT/samples/puzzles.txt"
  849713625175269384236458971713982546524136798968574213452391867381627459697845132 solved 7
  4.....8.5.3..........7......2.....6.....8.4...4..1.......6.3.7.5.32.1...1.4...... open 4
  5.........5...................................................................... invalid 1
  ...1..6...3.2.1.....8..2595......22..125....4...9...7.9..47.3...1.8.9....4.7.1... invalid 1
  ................................................................................. open 2

Rejected lines are named on stderr, the others still solved; the exit status
is 1. A letter or a line break in a cell shows as '.'.

  $ printf '# header\n%s\n%s\n["a","5\\r\\n","7"%s]\n' "$EMPTY" "${EMPTY:2}" "$(printf ',""%.0s' {4..81})" | noralim-solve
  -:3: expected 81 cells, got 79
  ................................................................................. open 2
  ..7.............................................................................. open 2
  [1]

The -p puzzles come first and are named -p:N; then the files in order.

  $ echo "$EMPTY" > empty.txt
  $ noralim-solve -p "${EMPTY:1}" --puzzle 8...1..2..7.2..3.4..6..8.7.7.....5.6.2.....9.9.8.....3.5.3..8..3.1..7.5..9..4...2 empty.txt
  -p:1: expected 81 cells, got 80
  849713625175269384236458971713982546524136798968574213452391867381627459697845132 solved 7
  ................................................................................. open 2
  [1]

A file that cannot be read is named and makes the exit status 2, even when a
later line is rejected too; the other files are still solved.

  $ noralim-solve missing.txt empty.txt
  noralim-solve: missing.txt: No such file or directory
  ................................................................................. open 2
  [2]
  $ printf 'bad\n' > bad.txt; noralim-solve missing.txt bad.txt
  noralim-solve: missing.txt: No such file or directory
  bad.txt:1: unexpected character 'b' at column 1
  [2]
  $ mkdir folder; noralim-solve folder
  noralim-solve: folder: read error: Is a directory
  [2]

Output that cannot be written is an error, not a success, and ends the run at
once: even an endless input stops after its first batch.

  $ noralim-solve empty.txt > /dev/full
  noralim-solve: write error: No space left on device
  [2]
  $ yes "$EMPTY" | timeout 20 noralim-solve -j 2 --summary > /dev/full
  noralim-solve: write error: No space left on device
  [2]

A reader that goes away ends the run quietly, even with SIGPIPE ignored.

  $ yes "$EMPTY" | head -n 20000 > many.txt
  $ (trap '' PIPE; noralim-solve -j 1 many.txt | head -n 1)
  ................................................................................. open 2

Threads change nothing in the output.

  $ { cat "$ROOT/samples/puzzles.txt"; echo bad; } > mixed.txt
  $ for k in $(seq 1000); do echo mixed.txt; done | xargs cat > big.txt
  $ noralim-solve -j 1 --json big.txt > one.out 2> one.err; echo $?
  1
  $ noralim-solve -j 2 --json big.txt > two.out 2> two.err; echo $?
  1
  $ cmp one.out two.out && cmp one.err two.err && wc -l < one.out
  5000

--summary counts the statuses and draws the sweeps on stderr; the median is
the lower one, and a rare count still gets a mark.

  $ grep -v '^#' "$ROOT/samples/puzzles.txt" | head -n 4 | noralim-solve --summary > /dev/null
  4 puzzles: 1 solved, 1 open, 2 invalid
  sweeps: min 1, median 1, max 7
  1 | ######################################## 2
  2 |                                          0
  3 |                                          0
  4 | ####################                     1
  5 |                                          0
  6 |                                          0
  7 | ####################                     1
  $ { yes "$EMPTY" | head -n 41; grep -v '^#' "$ROOT/samples/puzzles.txt" | head -n 1; } | noralim-solve --summary > /dev/null
  42 puzzles: 1 solved, 41 open, 0 invalid
  sweeps: min 2, median 2, max 7
  2 | ######################################## 41
  3 |                                          0
  4 |                                          0
  5 |                                          0
  6 |                                          0
  7 | #                                        1
  $ echo '# nothing' | noralim-solve --summary
  0 puzzles: 0 solved, 0 open, 0 invalid
