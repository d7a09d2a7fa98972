SPDX-License-Identifier: MIT
Copyright 2026 The Noralim developers

The output, on stdout and on stderr, is the same for every number of threads:
many small batches (one file each), a file of several batches, rejected
lines, a missing file and a folder among them.

  $ for shift in 1 2 3 4 5 6 7 8 9; do
  >   grep '^[.0-9]' "$ROOT/samples/puzzles.txt" | tr 123456789 "$(echo 123456789123456789 | cut -c $shift-$((shift + 8)))"
  > done > pool.txt
  $ for k in 1 2 3 4 5 6 7 8; do cat pool.txt pool.txt pool.txt pool.txt pool.txt pool.txt pool.txt pool.txt pool.txt pool.txt; done > puzzles.txt
  $ PUZZLES=puzzles.txt
  $ for k in $(seq 1 60); do
  >   sed -n "$((k * 7)),$((k * 7 + k % 4))p" "$PUZZLES" > small$k.txt
  >   if [ $((k % 9)) -eq 0 ]; then echo "bad $k" >> small$k.txt; fi
  > done
  $ { head -n 2500 "$PUZZLES"; echo oops; head -n 700 "$PUZZLES"; } > big.txt
  $ mkdir folder
  $ set -- small1.txt big.txt missing.txt $(seq -f 'small%g.txt' 2 30) folder $(seq -f 'small%g.txt' 31 60) big.txt
  $ noralim-solve -j 1 --summary "$@" > out1 2> err1; echo $?
  2
  $ head -n 10 err1
  big.txt:2501: unexpected character 'o' at column 1
  noralim-solve: missing.txt: No such file or directory
  small9.txt:3: unexpected character 'b' at column 1
  small18.txt:4: unexpected character 'b' at column 1
  small27.txt:5: unexpected character 'b' at column 1
  noralim-solve: folder: read error: Is a directory
  small36.txt:2: unexpected character 'b' at column 1
  small45.txt:3: unexpected character 'b' at column 1
  small54.txt:4: unexpected character 'b' at column 1
  big.txt:2501: unexpected character 'o' at column 1
  $ for j in 2 3 8; do
  >   noralim-solve -j $j --summary "$@" > out$j 2> err$j; echo $?
  >   cmp out1 out$j && cmp err1 err$j
  > done
  2
  2
  2
  $ noralim-solve -j 8 --json "$@" 2>&1 | cmp - <(noralim-solve -j 1 --json "$@" 2>&1)
