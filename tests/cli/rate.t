SPDX-License-Identifier: MIT
Copyright 2026 The Noralim developers

--rate adds to every puzzle line the number of solutions (0, 1, or 2 for two
or more), the rating on the technique ladder and the solution; '-' for each
of the last two unless there is exactly one solution.

  $ noralim-solve --rate "$ROOT/samples/puzzles.txt"
  849713625175269384236458971713982546524136798968574213452391867381627459697845132 solved 7 1 calc 849713625175269384236458971713982546524136798968574213452391867381627459697845132
  4.....8.5.3..........7......2.....6.....8.4...4..1.......6.3.7.5.32.1...1.4...... open 4 1 locked 417369825632158947958724316825437169791586432346912758289643571573291684164875293
  5.........5...................................................................... invalid 1 0 - -
  ...1..6...3.2.1.....8..2595......22..125....4...9...7.9..47.3...1.8.9....4.7.1... invalid 1 0 - -
  ................................................................................. open 2 2 - -

The puzzle is rated from its givens: a clue less leaves it with more than one
solution, a wrong clue with none. With --json, three more keys.

  $ P=.......12....35......6...737.....3.....4..8..1...........12.....8.....4..5....6..
  $ noralim-solve --rate -p "$P" -p "${P:0:7}.${P:8}" -p "9${P:1}" | cut -d ' ' -f 2-5
  open 2 1 singles
  open 2 2 -
  open 2 0 -

Givens that contradict each other are invalid with no solution, every digit
left as given: here a full grid with 1 twice in row 5.

  $ noralim-solve --rate -p 987654321246173985351928746128537694634812157795461832519286473472319568863745219
  987654321246173985351928746128537694634812157795461832519286473472319568863745219 invalid 1 0 - -
  $ noralim-solve --rate --json -p "$P" | grep -o '"status.*'
  "status":"open","sweeps":2,"solutions":1,"rating":"singles","solution":"673894512912735486845612973798261354526473891134589267469128735287356149351947628"}
  $ noralim-solve --rate --json -p "${P:0:7}.${P:8}" | grep -o '"solutions.*'
  "solutions":2,"rating":null,"solution":null}

JSON cells may hold candidates, rated as they stand; a cell with anything
else is named, as the reader names what it cannot take.

  $ echo '["1234","5"'$(printf ',""%.0s' {3..81})']' | noralim-solve --rate | cut -d ' ' -f 4
  2
  $ echo '["a"'$(printf ',""%.0s' {2..81})']' | noralim-solve --rate
  -:1: cell 1 is not digits, which --rate needs
  [1]
  $ echo '["1"'$(printf ',""%.0s' {2..11})',"1x"'$(printf ',""%.0s' {13..39})',"0"'$(printf ',""%.0s' {41..81})']' | noralim-solve --rate
  -:1: cell 12 is not digits, which --rate needs
  [1]

--summary counts the solutions and the ratings too.

  $ noralim-solve --rate --summary "$ROOT/samples/puzzles.txt" 2>&1 >/dev/null | head -n 3
  5 puzzles: 1 solved, 2 open, 2 invalid
  solutions: 2 none, 2 one, 1 two or more
  ratings: calc 1, singles 0, locked 1, pairs 0, triples 0, quads 0, fish 0, wings 0, search 0

A collection too big for one host goes through GNU parallel in parts, in
order, and comes out as from one process (the README shows the same over
several hosts).

  $ for k in $(seq 1 400); do grep '^[.0-9]' "$ROOT/samples/puzzles.txt"; done > many.txt
  $ parallel --will-cite --pipepart --keep-order -a many.txt --block 20k noralim-solve -j 1 --rate | cmp - <(noralim-solve --rate many.txt)
