// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The solution counter: depth-first search over the candidate boards, each
// node first narrowed by settled cells and hidden singles until they change
// nothing, then split on a cell with the fewest candidates (two, almost
// always), one branch per digit. A search that runs long narrows harder and
// splits where its branches failed.
#include "boards/counting.h"

#include "boards/board.h"
#include "boards/ladder.h"

namespace noralim {
namespace board {
namespace {

// The settled cells' digits go from their peers, digit by digit: the cells
// of a digit clear the union of their peers at once. For the first round of
// a grid, when every given is newly settled. Two settled peers with one digit
// empty each other, which the next round finds.
unsigned ClearPeersByDigit(Grid& g, Board settled) {
  unsigned changed = 0;
  for (int d = 0; d < 9; ++d) {
    const Board mine = settled & g[d];
    if (!Any(mine)) continue;
    Board peers = {};
    ForEachCell(mine, [&](int pos) { peers |= PeerBoard(pos); });
    changed |= static_cast<unsigned>(Any(g[d] & peers)) << d;
    g[d] &= ~peers;
  }
  return changed;
}

// The same cell by cell, as a later round seldom settles more than two or
// three: a settled cell's digit is read from four boards that hold the bits
// of the digit's index (bit k: the digits d with d & 2^k), made beside the
// count of candidates. The digit counts as changed without a look at its
// peers: a cell that settles keeps a digit that some peer nearly always
// still has, and a digit looked at again for nothing costs less than the
// look. Of two settled peers with one digit, the first empties the second,
// which the next round finds.
unsigned ClearPeersByCell(Grid& g, Board settled) {
  unsigned changed = 0;
  const Board g23 = g[2] | g[3];
  const Board g67 = g[6] | g[7];
  const std::array<Board, 4> index = {g[1] | g[3] | g[5] | g[7], g23 | g67, g[4] | g[5] | g67, g[8]};
  ForEachCell(settled, [&](int pos) {
    const auto lane = static_cast<std::size_t>(pos / 27);
    const auto shift = static_cast<unsigned>(pos % 27);
    unsigned d = 0;
    for (unsigned k = 0; k < 4; ++k) d |= (index[k][lane] >> shift & 1U) << k;
    changed |= 1U << d;
    g[d] &= ~PeerBoard(pos);
  });
  return changed;
}

// Every newly settled cell's digit goes from its peers, until no cell
// settles any more. False on an empty cell.
bool ClearPeers(Node& n) {
  unsigned changed = 0;
  bool alive = true;
  for (;;) {
    const Coverage c = Cover(n.cand);
    alive = !Any(kAll & ~c.once);
    const Board fresh = Settled(c) & ~n.done;
    if (!alive || !Any(fresh)) break;
    const bool first = !Any(n.done);
    n.done |= fresh;
    changed |= first ? ClearPeersByDigit(n.cand, fresh) : ClearPeersByCell(n.cand, fresh);
  }
  n.stale |= changed;
  n.lost |= changed;
  return alive;
}

// The cells keep digit d alone: their other digits go.
void KeepOnly(Node& n, int d, Board cells) {
  const Board kept = n.cand[d];
  unsigned lost = 0;
  for (int e = 0; e < 9; ++e) {
    lost |= static_cast<unsigned>(Any(n.cand[e] & cells)) << e;
    n.cand[e] &= ~cells;
  }
  n.cand[d] = kept;
  lost &= ~(1U << d);
  n.stale |= lost;
  n.lost |= lost;
}

// Digit d goes in the cells: their other digits go, and d goes from their
// peers (from each other too, which empties both when two are peers).
void Place(Node& n, int d, Board cells) {
  KeepOnly(n, d, cells);
  Board peers = {};
  ForEachCell(cells, [&](int pos) { peers |= PeerBoard(pos); });
  const unsigned lost = static_cast<unsigned>(Any(n.cand[d] & peers)) << d;
  n.cand[d] &= ~peers;
  n.stale |= lost;
  n.lost |= lost;
  n.done |= cells;
}

// Looks at the digits that lost a cell since they were last looked at, the
// lowest first, and places the hidden singles of the first one that has
// any, then stops (`progress` true) so that the caller clears peers before
// looking again; the digits not reached stay stale. False (AllUnitsChecked)
// when a digit looked at has no place left in some unit.
template <Singles kSingles>
bool PlaceHiddenSingles(Node& n, bool& progress) {
  progress = false;
  while (n.stale != 0) {
    const int d = std::countr_zero(n.stale);
    n.stale &= n.stale - 1;
    bool everywhere = true;
    const Board alone = HiddenSingles<kSingles>(n.cand[d], everywhere) & ~n.done;
    if (!everywhere) return false;
    if (!Any(alone)) continue;
    Place(n, d, alone);  // then settled cells first: they cost less than hidden singles
    progress = true;
    return true;
  }
  return true;
}

template <Singles kSingles>
bool PropagateWith(Node& n, Board until) {
  for (bool progress = true; progress;) {
    if (!ClearPeers(n)) return false;
    if (!Any(until & ~n.done)) return true;
    if (!PlaceHiddenSingles<kSingles>(n, progress)) return false;
  }
  return true;
}

}  // namespace

bool Propagate(Node& n, Singles singles, Board until) {
  switch (singles) {
    case Singles::Boxes:
      return PropagateWith<Singles::Boxes>(n, until);
    case Singles::AllUnits:
      return PropagateWith<Singles::AllUnits>(n, until);
    case Singles::AllUnitsChecked:
      break;
  }
  return PropagateWith<Singles::AllUnitsChecked>(n, until);
}

namespace {

// The digits a grid leaves a cell (bit d: digit d + 1).
unsigned DigitsAt(const Grid& g, Board cell) {
  unsigned digits = 0;
  for (int d = 0; d < 9; ++d) digits |= static_cast<unsigned>(Any(g[d] & cell)) << d;
  return digits;
}

// The number of candidates of the cell at pos.
int CandidateCount(const Node& n, int pos) { return Count9(DigitsAt(n.cand, CellBoard(pos))); }

}  // namespace

// The open cell with the fewest candidates, the first of them: a cell with
// two, almost always. at_least[k] holds the cells with more than k
// candidates, a bitwise counter over the nine boards that saturates at
// kCounted. Splitting anywhere else can leave a contradiction that singles
// do not see (seven cells of a row with five digits between them) to be
// found again in every branch.
int FewestCandidates(const Node& n) {
  constexpr int kCounted = 5;
  std::array<Board, kCounted> at_least{};
  for (const Board b : n.cand) {
    for (int k = kCounted - 1; k > 0; --k) at_least[k] |= at_least[k - 1] & b;
    at_least[0] |= b;
  }
  const Board open = kAll & ~n.done;
  for (int k = 1; k < kCounted - 1; ++k) {
    if (const Board fewest = open & at_least[k] & ~at_least[k + 1]; Any(fewest)) return FirstCell(fewest);
  }
  int best = FirstCell(open);
  int fewest = 10;
  ForEachCell(open, [&](int pos) {
    const int count = CandidateCount(n, pos);
    if (count < fewest) {
      fewest = count;
      best = pos;
    }
  });
  return best;
}

namespace {

// Finds digit d a place of its own in a unit: a free one, or one whose
// digit can move to another place not tried yet (an augmenting path).
// places[e]: digit e's places; digit_at[p]: the digit given place p, or -1.
bool Augment(const std::array<std::uint16_t, 9>& places, std::array<int, 9>& digit_at, int d, unsigned& tried) {
  for (unsigned free = places[d] & ~tried; free != 0; free = places[d] & ~tried) {
    const int p = std::countr_zero(free);
    tried |= 1U << p;
    if (digit_at[p] < 0 || Augment(places, digit_at, digit_at[p], tried)) {
      digit_at[p] = d;
      return true;
    }
  }
  return false;
}

// The first unit that cannot give its nine digits a place each (a perfect
// matching of digits to places, by augmenting paths), or -1 when every unit
// can. Singles and locked candidates miss a unit whose seven cells have five
// digits between them; a search that does not look for it may find it again
// in every branch.
int UnmatchableUnit(const Grid& g) {
  std::array<std::array<std::uint16_t, 9>, kUnits> places{};  // [unit][digit]
  for (int d = 0; d < 9; ++d) {
    const std::array<std::uint16_t, kUnits> of_digit = ladder::UnitPlaces(g[d]);
    for (int u = 0; u < kUnits; ++u) places[u][d] = of_digit[u];
  }
  for (int u = 0; u < kUnits; ++u) {
    std::array<int, 9> digit_at{};
    digit_at.fill(-1);
    for (int d = 0; d < 9; ++d) {
      unsigned tried = 0;
      if (!Augment(places[u], digit_at, d, tried)) return u;
    }
  }
  return -1;
}

// How often each unit was where a branch failed. A contradiction that needs
// several units to show (five digits that two boxes and a row cannot all
// hold) is found only deep down; splitting on cells far from it repeats that
// search in every branch, so a long search splits where branches failed.
class Blame {
 public:
  void Unit(int u) { ++weight_[static_cast<std::size_t>(u)]; }

  // The units of a node that failed: those of its empty cells, and those
  // where a digit has no place.
  void Failed(const Grid& g) {
    ForEachCell(kAll & ~Cover(g).once, [&](int pos) {
      for (const UnitKind kind : kUnitKinds) Unit(UnitOf(pos, kind));
    });
    for (int d = 0; d < 9; ++d) {
      const std::array<std::uint16_t, kUnits> places = ladder::UnitPlaces(g[d]);
      for (int u = 0; u < kUnits; ++u) {
        if (places[static_cast<std::size_t>(u)] == 0) Unit(u);
      }
    }
  }

  // The open cell with the fewest candidates for the blame on its units.
  [[nodiscard]] int SplitCell(const Node& n) const {
    int best = -1;
    unsigned best_count = 0;
    unsigned best_weight = 0;
    ForEachCell(kAll & ~n.done, [&](int pos) {
      const auto count = static_cast<unsigned>(CandidateCount(n, pos));
      unsigned weight = 1;
      for (const UnitKind kind : kUnitKinds) weight += weight_[static_cast<std::size_t>(UnitOf(pos, kind))];
      if (best < 0 || count * best_weight < best_count * weight) {
        best = pos;
        best_count = count;
        best_weight = weight;
      }
    });
    return best;
  }

 private:
  std::array<unsigned, kUnits> weight_{};
};

class Search {
 public:
  // With `avoid`, a solution equal to it is passed over, and the first other
  // one ends the search as a second would.
  explicit Search(Grid* solution, const Grid* avoid = nullptr) : solution_(solution), avoid_(avoid) {}

  // Narrows the node in place, then splits it.
  void Run(Node& n) {
    if (!Narrow(n)) return;
    if (!Any(kAll & ~n.done)) {
      if (avoid_ != nullptr) {
        if (!Same(n.cand, *avoid_)) {
          *solution_ = n.cand;
          found_ = 2;
        }
        return;
      }
      if (++found_ == 1 && solution_ != nullptr) *solution_ = n.cand;
      return;
    }
    const int pos = nodes_ > kCheapNodes ? blame_.SplitCell(n) : FewestCandidates(n);
    const Board cell = CellBoard(pos);
    unsigned digits = DigitsAt(n.cand, cell);
    if (avoid_ != nullptr) {
      // The known solution's digit first: the search then reaches that
      // solution at once and backs up from the deepest split, so a second
      // solution, when there is one, comes from near the bottom and differs
      // from the known one in fewer cells.
      const unsigned known = DigitsAt(*avoid_, cell);
      if ((digits & known) != 0) {
        Branch(n, std::countr_zero(known), cell);
        digits &= ~known;
      }
    }
    for (; digits != 0 && found_ < 2; digits &= digits - 1) Branch(n, std::countr_zero(digits), cell);
  }

  // The branch of node n where the cell holds digit d.
  void Branch(const Node& n, int d, Board cell) {
    Node branch = n;
    KeepOnly(branch, d, cell);
    Run(branch);
  }

  [[nodiscard]] int Found() const { return found_; }

 private:
  static constexpr long kCheapNodes = 256;

  // A puzzle's search ends in a few dozen nodes, each closed under singles
  // alone: pointing and claiming would split less often, but below a root
  // closed under them they cost more than the nodes they save. A search
  // that goes on has met a contradiction that singles see only deep down;
  // from then on every node is closed under pointing and claiming too, has
  // every unit's matching checked, and blames the units where it fails.
  bool Narrow(Node& n) {
    if (++nodes_ <= kCheapNodes) return Propagate(n, Singles::AllUnitsChecked);
    if (!CloseUnderLocked(n)) {
      blame_.Failed(n.cand);
      return false;
    }
    if (const int u = UnmatchableUnit(n.cand); u >= 0) {
      blame_.Unit(u);
      return false;
    }
    return true;
  }

  static bool Same(const Grid& a, const Grid& b) {
    Board differ = {};
    for (int d = 0; d < 9; ++d) differ |= a[d] ^ b[d];
    return !Any(differ);
  }

  Grid* solution_;
  const Grid* avoid_;
  int found_ = 0;
  long nodes_ = 0;
  Blame blame_;
};

}  // namespace

bool CloseUnderLocked(Node& n) {
  for (;;) {
    if (!Propagate(n, Singles::AllUnitsChecked)) return false;
    unsigned lost = 0;
    for (unsigned rest = n.lost; rest != 0; rest &= rest - 1) {
      const int d = std::countr_zero(rest);
      const Board kept = WithoutLocked(n.cand[d]);
      lost |= static_cast<unsigned>(Any(kept ^ n.cand[d])) << d;
      n.cand[d] = kept;
    }
    n.lost = 0;
    if (lost == 0) return true;
    n.stale |= lost;
  }
}

int CountUpToTwo(const Node& start, Grid* solution) {
  Search search(solution);
  Node root = start;
  search.Run(root);
  return search.Found();
}

bool AnotherSolution(const Node& start, const Grid& known, Grid* other, Board differ_in) {
  if (!Any(kAll & ~differ_in)) {  // no cell ruled out: one search over the whole grid
    Search search(other, &known);
    Node root = start;
    search.Run(root);
    return search.Found() == 2;
  }
  Node rest = start;
  for (Board open = differ_in & ~start.done; Any(open);) {
    const int pos = FirstCell(open);
    const Board cell = CellBoard(pos);
    open &= ~cell;
    const int d = std::countr_zero(DigitsAt(known, cell));
    Node branch = rest;
    branch.cand[d] &= ~cell;
    branch.stale |= 1U << d;
    branch.lost |= 1U << d;
    Search search(other, &known);
    search.Run(branch);
    if (search.Found() == 2) return true;
    KeepOnly(rest, d, cell);
  }
  return false;
}

}  // namespace board

SolutionCount CountSolutions(const DigitCells& cells) {
  board::Node root;
  root.cand = board::FromCells(cells);
  SolutionCount count;
  if (board::CloseUnderLocked(root)) count.solutions = board::CountUpToTwo(root, &count.solution);
  return count;
}

}  // namespace noralim
