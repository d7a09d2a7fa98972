SPDX-License-Identifier: MIT
Copyright 2026 The Noralim developers

noralim-solve --generate: puzzles made to order, each checked by --rate.

Every rung: each puzzle reads back with one solution and the rating asked
for, and no two of a run are the same.

  $ for rung in calc:20 singles:20 locked:20 pairs:20 triples:3 quads:1 fish:2 wings:10 search:10; do
  >   noralim-solve --generate ${rung#*:} --rating ${rung%:*} --seed 11 -j 2 2>/dev/null > $rung.txt
  >   sort -u $rung.txt | wc -l
  >   noralim-solve --rate $rung.txt | cut -d ' ' -f 4,5 | sort | uniq -c
  > done
  20
       20 1 calc
  20
       20 1 singles
  20
       20 1 locked
  20
       20 1 pairs
  3
        3 1 triples
  1
        1 1 quads
  2
        2 1 fish
  10
       10 1 wings
  10
       10 1 search

The run's seed goes to stderr; the same seed gives the same bytes for every
-j, and the seed of each JSON object makes that one puzzle again.

  $ noralim-solve --generate 12 --seed 5 -j 1 --json > one.json
  noralim-solve: seed 5
  $ for j in 2 3; do noralim-solve --generate 12 --seed 5 -j $j --json 2>/dev/null | cmp - one.json; done
  $ noralim-solve --rate one.json | cut -d ' ' -f 4 | uniq -c
       12 1
  $ noralim-solve --generate 2 --seed 5 | cut -c 1-20
  noralim-solve: seed 5
  ..2........7618..3..
  .....69..126.....3..
  $ for k in 1 7 12; do
  >   seed=$(sed -n ${k}p one.json | grep -o '"seed":[0-9]*' | cut -d : -f 2)
  >   noralim-solve --generate 1 --seed $seed --json 2>/dev/null | cmp - <(sed -n ${k}p one.json)
  > done
  $ noralim-solve --generate 12 --seed 5 --rating any 2>/dev/null | cmp - <(noralim-solve --generate 12 --seed 5 2>/dev/null)
  $ noralim-solve --generate 1 --seed 18446744073709551615 2>&1 | wc -l
  2

A symmetric pattern of clues: a half turn, and left to right.

  $ noralim-solve --generate 5 --symmetry central --seed 3 2>/dev/null | tr 1-9 x > central.txt
  $ rev central.txt | cmp - central.txt
  $ noralim-solve --generate 5 --symmetry mirror --seed 3 2>/dev/null | tr 1-9 x | fold -w 9 > mirror.txt
  $ rev mirror.txt | cmp - mirror.txt

Minimal: without any one of its clues, each puzzle has two solutions or more.

  $ noralim-solve --generate 2 --minimal --symmetry diagonal --rating pairs --seed 8 2>/dev/null > minimal.txt
  $ while read -r puzzle; do
  >   for p in $(seq 1 81); do
  >     [ "$(echo "$puzzle" | cut -c $p)" = . ] || echo "$puzzle" | sed "s/./-/$p"
  >   done
  > done < minimal.txt | noralim-solve --rate | cut -d ' ' -f 4 | sort -u
  2

The summary: how many, how fast, which ratings.

  $ noralim-solve --generate 4 --rating locked --seed 2 --summary > /dev/null 2> summary.txt
  $ sed 's/in [0-9.]* s: [0-9]*/in T s: R/' summary.txt
  noralim-solve: seed 2
  4 puzzles in T s: R puzzles/s
  ratings: calc 0, singles 0, locked 4, pairs 0, triples 0, quads 0, fish 0, wings 0, search 0

Ctrl+C ends a run after a whole line; a reader that goes ends it quietly.

  $ timeout --preserve-status -s INT 1 noralim-solve --generate 100000000 --seed 1 -j 2 > stopped.txt 2>/dev/null
  [130]
  $ test -s stopped.txt && awk 'length($0) != 81' stopped.txt
  $ noralim-solve --generate 100000000 --seed 1 | head -n 1 | wc -c
  noralim-solve: seed 1
  82

Bad values: one line naming the option.

  $ noralim-solve --generate 0
  noralim-solve: --generate takes a number of puzzles from 1 up
  Try 'noralim-solve --help' for more information.
  [2]
  $ noralim-solve --generate=-3 2>&1 | head -n 1
  noralim-solve: --generate takes a number of puzzles from 1 up
  $ noralim-solve --generate 2 --rating hard 2>&1 | head -n 1
  noralim-solve: --rating takes calc, singles, locked, pairs, triples, quads, fish, wings, search or any
  $ noralim-solve --generate 2 --symmetry rotate 2>&1 | head -n 1
  noralim-solve: --symmetry takes none, central, quarter, mirror, flip, diagonal, antidiagonal or fourway
  $ noralim-solve --generate 2 --seed -1 2>&1 | head -n 1
  noralim-solve: --seed takes a whole number from 0 to 18446744073709551615
  $ noralim-solve --generate 2 --seed 18446744073709551616 2>&1 | head -n 1
  noralim-solve: --seed takes a whole number from 0 to 18446744073709551615
  $ noralim-solve --rating pairs 2>&1 | head -n 1
  noralim-solve: --rating, --symmetry, --minimal and --seed go only with --generate
  $ noralim-solve --generate 2 puzzles.txt 2>&1 | head -n 1
  noralim-solve: --generate reads no puzzles: no FILE or -p with it
