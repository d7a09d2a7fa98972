// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The solution counter: depth-first search over the candidate boards, each
// node first narrowed by settled cells and hidden singles until they change
// nothing, then split on a cell with the fewest candidates (two, almost
// always), one branch per digit.
#include "solver/counting.h"

#include "solver/board.h"

namespace noralim {
namespace board {
namespace {

struct Node {
  Grid cand{};
  Board done = {};  // settled cells whose digit has gone from their peers
};

// Every newly settled cell's digit goes from its peers. False on an empty cell.
bool ClearPeers(Node& n, bool& progress) {
  const Coverage c = Cover(n.cand);
  if (Any(kAll & ~c.once)) return false;
  const Board fresh = Settled(c) & ~n.done;
  progress = Any(fresh);
  n.done |= fresh;
  for (int d = 0; d < 9; ++d) {
    ForEachCell(fresh & n.cand[d], [&](int pos) { n.cand[d] &= ~PeerBoard(pos); });
  }
  return true;
}

// Every digit that only one cell of a unit can take goes there. False when
// a digit has no place left in some unit.
bool PlaceHiddenSingles(Node& n, bool& progress) {
  progress = false;
  for (int d = 0; d < 9; ++d) {
    const Board x = n.cand[d];
    if (!InEveryUnit(x)) return false;
    const Board alone = (AloneInBox(x) | AloneInRow(x) | AloneInColumn(x)) & ~n.done;
    if (!Any(alone)) continue;
    progress = true;
    for (int e = 0; e < 9; ++e) {
      if (e != d) n.cand[e] &= ~alone;
    }
  }
  return true;
}

// Narrows the node until nothing changes. False on a contradiction.
bool Propagate(Node& n) {
  for (bool progress = true; progress;) {
    if (!ClearPeers(n, progress)) return false;
    if (progress) continue;
    if (!Any(kAll & ~n.done)) return true;
    if (!PlaceHiddenSingles(n, progress)) return false;
  }
  return true;
}

// The open cell to split on: the first with two candidates, else the first
// with three, else the first open one.
int SplitCell(const Node& n) {
  Board once = {};
  Board twice = {};
  Board thrice = {};
  for (const Board b : n.cand) {
    thrice |= twice & b;
    twice |= once & b;
    once |= b;
  }
  const Board open = kAll & ~n.done;
  Board best = open & twice & ~thrice;
  if (!Any(best)) best = open;
  return FirstCell(best);
}

class Search {
 public:
  explicit Search(Grid* solution) : solution_(solution) {}

  void Run(Node n) {
    if (!Propagate(n)) return;
    if (!Any(kAll & ~n.done)) {
      if (++found_ == 1 && solution_ != nullptr) *solution_ = n.cand;
      return;
    }
    const int pos = SplitCell(n);
    const Board cell = CellBoard(pos);
    for (int d = 0; d < 9 && found_ < 2; ++d) {
      if (!Any(n.cand[d] & cell)) continue;
      Node branch = n;
      for (int e = 0; e < 9; ++e) {
        if (e != d) branch.cand[e] &= ~cell;
      }
      Run(branch);
    }
  }

  [[nodiscard]] int Found() const { return found_; }

 private:
  Grid* solution_;
  int found_ = 0;
};

}  // namespace

int CountUpToTwo(const Grid& start, Grid* solution) {
  Node root;
  for (int d = 0; d < 9; ++d) root.cand[d] = start[d] & kAll;
  Search search(solution);
  search.Run(root);
  return search.Found();
}

}  // namespace board

SolutionCount CountSolutions(const DigitCells& cells) {
  board::Grid solution{};
  SolutionCount count;
  count.solutions = board::CountUpToTwo(board::FromCells(cells), &solution);
  if (count.solutions == 1) count.solution = board::ToCells(solution);
  return count;
}

}  // namespace noralim
