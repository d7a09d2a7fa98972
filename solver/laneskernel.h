// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The lane kernel: sweeps of the three passes on many grids at once, one grid
// per 16-bit lane of a vector. Included by exactly one source file per
// instruction set (lanes_generic.cpp, lanes_avx2.cpp), each compiled with its
// own flags; everything here has internal linkage and uses no library
// template, so no function compiled for one instruction set can be picked by
// the linker for another.
//
// Representation: cell i of lane j is bit mask `cells[i][j]`, bit d-1 for
// digit d, as in DigitGrid. A vector (GCC vector extensions) is one register
// of the instruction set the including file names in NORALIM_LANE_BYTES: 16
// lanes of 16 bits for AVX2, 8 for SSE2 or NEON. Wider vectors than the
// target's registers were rejected: the compiler then works lane by lane.
//
// A pass writes its targets one after another, and every target reads the
// texts as they are at that moment: the cells before it with what this pass
// has just given them, the cells after it with what they held when the pass
// began. So the settled values a target loses are two running ORs, not eight
// reads: `before`, grown as the targets are written, and `after[k]`, the
// settled values of the cells behind target k at the start of the pass. The
// hidden-single phase writes, digit by ascending digit, the digits held by
// exactly one cell; only a digit whose cell is not already settled to it
// changes anything, so the phase writes the lowest such digit and looks again
// at the higher ones, which is what counting every digit in turn comes to.
//
// A pass never writes an empty text: a target whose working string comes out
// empty ends its run at that write. A pass does not stop a lane there; it
// marks the lane, and the sweep stops after that box, column and row. It is
// then run again from where it started, this time with every lane that comes
// to a contradiction frozen at its first such write: no later write of the
// sweep changes it, so it holds exactly the grid at the contradiction, and
// the place of that write goes out with it. Only puzzles whose givens
// contradict each other cost that second sweep.
#pragma once

#include <cstddef>
#include <cstdint>

#include "solver/geometry.h"

// The helpers take and return vectors wider than the baseline registers; they
// are internal to one file and inlined, so no call between files depends on
// how such vectors are passed.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

namespace {

using noralim::kCellCount;
using noralim::kUnitSize;

using Lanes16 = std::uint16_t __attribute__((vector_size(NORALIM_LANE_BYTES)));
constexpr int kLanes = NORALIM_LANE_BYTES / 2;
constexpr std::uint16_t kAllDigitsMask = 0x1FF;
// A run that has not settled after this many sweeps leaves its lane and is
// finished on the scalar path. (The 49,151 puzzles of Royle's 17-clue file
// need at most 29.)
constexpr int kMaxLaneSweeps = 64;

// All ones in the lanes whose mask has exactly one bit.
inline Lanes16 SettledLanes(Lanes16 m) { return reinterpret_cast<Lanes16>((m != 0) & ((m & (m - 1)) == 0)); }

// Each lane's settled value, or 0: a mask of at most one bit is its own
// value, so this needs no test for an empty cell.
inline Lanes16 ValueOf(Lanes16 m) { return m & reinterpret_cast<Lanes16>((m & (m - 1)) == 0); }

// Whether any lane is not zero.
inline bool AnyLane(Lanes16 v) {
  using Words = std::uint64_t __attribute__((vector_size(NORALIM_LANE_BYTES)));
  const auto w = reinterpret_cast<Words>(v);
  std::uint64_t any = 0;
  for (int k = 0; k < NORALIM_LANE_BYTES / 8; ++k) any |= w[k];
  return any != 0;
}

// The mask a target's working string starts from: its own, or all nine
// digits for an empty cell.
inline Lanes16 Working(Lanes16 m) { return m | (reinterpret_cast<Lanes16>(m == 0) & kAllDigitsMask); }

struct Unit9 {
  int cell[kUnitSize];  // 0-based cell slots, in pass order
};

// The 27 units as slots, computed once from the solver's unit tables.
struct UnitSlots {
  Unit9 box[kUnitSize], column[kUnitSize], row[kUnitSize];
};

constexpr UnitSlots MakeUnitSlots() {
  UnitSlots slots{};
  for (int n = 0; n < kUnitSize; ++n) {
    for (int k = 0; k < kUnitSize; ++k) {
      slots.box[n].cell[k] = noralim::detail::kBoxes[n][k] - 1;
      slots.column[n].cell[k] = noralim::detail::kColumns[n][k] - 1;
      slots.row[n].cell[k] = noralim::detail::kRows[n][k] - 1;
    }
  }
  return slots;
}
constexpr UnitSlots kUnitSlots = MakeUnitSlots();

// after[k]: the settled values of the cells behind target k, as they stand.
inline void SettledBehind(const Lanes16* cells, const Unit9& unit, Lanes16* after) {
  Lanes16 behind = {};
  for (int k = kUnitSize - 1; k >= 0; --k) {
    after[k] = behind;
    const Lanes16 m = cells[unit.cell[k]];
    behind |= ValueOf(m);
  }
}

// The box pass's second phase: digit by ascending digit, each digit held by
// exactly one cell is written there. `done`: digits already decided, per
// lane (all of them in a lane that is to be left alone).
inline void WriteHiddenSingles(Lanes16* cells, const Unit9& unit, Lanes16 done) {
  for (;;) {
    Lanes16 once = {};
    Lanes16 twice = {};
    Lanes16 settled = {};
    for (const int slot : unit.cell) {
      const Lanes16 m = cells[slot];
      twice |= once & m;
      once |= m;
      settled |= ValueOf(m);
    }
    const Lanes16 changing = once & ~twice & ~settled & ~done;
    if (!AnyLane(changing)) return;
    const Lanes16 lowest = changing & (0 - changing);
    for (const int slot : unit.cell) {
      const Lanes16 m = cells[slot];
      const auto holds = reinterpret_cast<Lanes16>((m & lowest) != 0);
      cells[slot] = (holds & lowest) | (~holds & m);
    }
    done |= (lowest << 1) - 1;  // every digit up to the one written; all in a lane with none
  }
}

// What the passes do with each target's new mask, the code of its place
// in the sweep beside it (1 + 9 * unit + k for target k of unit, 0-8 boxes,
// 9-17 columns, 18-26 rows, in pass order).
//
// Marker writes it, and marks the lanes where it is empty.
struct Marker {
  Lanes16 empty = {};

  void Write(Lanes16& cell, Lanes16 w, int /*code*/) {
    cell = w;
    empty |= reinterpret_cast<Lanes16>(w == 0);
  }
  // The lanes the box pass's hidden singles leave alone.
  [[nodiscard]] static Lanes16 Untouched() { return Lanes16{}; }
};

// Frozen, for a sweep run a second time: a lane is frozen at its first
// target that comes out empty, that write and every later one not made, and
// `where` keeps the place of that write.
struct Frozen {
  Lanes16 lanes = {};
  Lanes16 where = {};

  void Write(Lanes16& cell, Lanes16 w, int code) {
    const Lanes16 first = reinterpret_cast<Lanes16>(w == 0) & ~lanes;
    where |= first & static_cast<std::uint16_t>(code);
    lanes |= first;
    cell = (lanes & cell) | (~lanes & w);
  }
  [[nodiscard]] Lanes16 Untouched() const { return lanes; }
};

template <class Writer>
__attribute__((always_inline)) inline void BoxPass(Lanes16* cells, const Unit9& unit, int code, Writer* writer) {
  Lanes16 after[kUnitSize];
  SettledBehind(cells, unit, after);
  Lanes16 before = {};
  for (int k = 0; k < kUnitSize; ++k) {
    const Lanes16 w = Working(cells[unit.cell[k]]) & ~(before | after[k]);
    writer->Write(cells[unit.cell[k]], w, code + k);
    before |= ValueOf(w);
  }
  WriteHiddenSingles(cells, unit, writer->Untouched());
}

template <class Writer>
__attribute__((always_inline)) inline void LinePass(Lanes16* cells, const Unit9& unit, int code, Writer* writer) {
  Lanes16 after[kUnitSize];
  SettledBehind(cells, unit, after);
  Lanes16 before = {};
  for (int k = 0; k < kUnitSize; ++k) {
    const Lanes16 m = cells[unit.cell[k]];
    const Lanes16 keep = SettledLanes(m);  // a settled target is not written
    const Lanes16 w = (keep & m) | (~keep & Working(m) & ~(before | after[k]));
    writer->Write(cells[unit.cell[k]], w, code + k);
    before |= ValueOf(w);
  }
}

// The box, column and row passes of index n.
template <class Writer>
__attribute__((always_inline)) inline void Passes(Lanes16* cells, int n, Writer* writer) {
  const auto code = [n](int kind) { return 1 + kUnitSize * (kUnitSize * kind + n); };
  BoxPass(cells, kUnitSlots.box[n], code(0), writer);
  LinePass(cells, kUnitSlots.column[n], code(1), writer);
  LinePass(cells, kUnitSlots.row[n], code(2), writer);
}

// One sweep; false, with the sweep left unfinished, as soon as a pass came
// to a contradiction in some lane (the sweep is then run again).
inline bool Sweep(Lanes16* cells) {
  Marker marker;
  for (int n = 0; n < kUnitSize; ++n) {
    Passes(cells, n, &marker);
    if (AnyLane(marker.empty)) return false;
  }
  return true;
}

// A sweep with each lane that comes to a contradiction frozen there. Out of
// line: the common sweep keeps the registers to itself.
__attribute__((noinline)) inline Frozen SweepFrozen(Lanes16* cells) {
  Frozen frozen;
  for (int n = 0; n < kUnitSize; ++n) Passes(cells, n, &frozen);
  return frozen;
}

// Whether the next sweep freezes its lanes from the start rather than running
// again frozen once some lane came to a contradiction: what the last sweeps
// say. Each lane's grid comes out the same either way. A frozen sweep costs
// a little more than a plain one; a sweep run again costs most of a second
// one. So while a contradiction comes more often than about one sweep in
// eight (puzzles with a wrong clue), every sweep is frozen.
class SweepChoice {
 public:
  [[nodiscard]] bool Frozen() const { return pressure_ > kThreshold; }
  void Saw(bool contradiction) { pressure_ = pressure_ - (pressure_ >> 3) + (contradiction ? 32U : 0U); }

 private:
  // A moving sum over about the last eight sweeps, 32 for each that came
  // to a contradiction: 256 when every one did.
  static constexpr unsigned kThreshold = 32;
  unsigned pressure_ = 0;
};

// What the final masks of a settled lane say, as SolveLanes reports it.
// kLaneUnfinished: the run is to be finished on the scalar path from the
// grid written to finals, after the sweeps written to sweeps.
// kLaneContradiction: the run ended at the write whose place (as
// Frozen::where) is written to wheres, the grid as it stood there to finals.
enum LaneStatus : std::uint8_t { kLaneOpen, kLaneSolved, kLaneInvalid, kLaneUnfinished, kLaneContradiction };

// The status of every lane's settled grid: invalid when a unit holds a
// settled value twice or has a digit that no cell of it can hold, solved
// when every cell is settled. (No cell of a settled lane is empty.)
inline void ClassifyLanes(const Lanes16* cells, Lanes16* invalid, Lanes16* solved) {
  Lanes16 values[kCellCount];
  Lanes16 unsettled = {};
  for (int i = 0; i < kCellCount; ++i) {
    const Lanes16 settled = SettledLanes(cells[i]);
    values[i] = cells[i] & settled;
    unsettled |= ~settled;
  }
  Lanes16 twice = {};
  Lanes16 placeless = {};
  for (const Unit9* kind : {kUnitSlots.box, kUnitSlots.column, kUnitSlots.row}) {
    for (int n = 0; n < kUnitSize; ++n) {
      Lanes16 seen = {};
      Lanes16 places = {};
      for (const int slot : kind[n].cell) {
        const Lanes16 v = values[slot];
        twice |= seen & v;
        seen |= v;
        places |= cells[slot];
      }
      placeless |= places ^ kAllDigitsMask;
    }
  }
  *invalid = reinterpret_cast<Lanes16>((twice | placeless) != 0);
  *solved = ~unsettled;
}

// Solves count grids of 81 masks each (starts, by cell slot), writing each
// final grid to finals, its sweep count to sweeps and its LaneStatus to
// statuses. A grid that came to a contradiction gets kLaneContradiction, the
// grid at that write and its place (wheres). One left unsettled after
// kMaxLaneSweeps gets kLaneUnfinished, the grid its last sweep started from
// and the sweeps before that one. A lane whose grid has left takes the next
// grid at the next sweep, so every vector stays full until the grids run out.
inline void SolveLanes(const std::uint16_t* starts, std::size_t count, std::uint16_t* finals, int* sweeps,
                       std::uint8_t* statuses, std::uint16_t* wheres) {
  Lanes16 cells[kCellCount] = {};
  std::size_t grid[kLanes];  // the grid in each lane
  int lane_sweeps[kLanes] = {};
  bool busy[kLanes] = {};
  std::size_t next = 0;
  const auto load = [&](int j) {
    busy[j] = next < count;
    if (!busy[j]) return;
    grid[j] = next++;
    lane_sweeps[j] = 0;
    for (int i = 0; i < kCellCount; ++i) cells[i][j] = starts[grid[j] * kCellCount + static_cast<std::size_t>(i)];
  };
  for (int j = 0; j < kLanes; ++j) load(j);
  SweepChoice choice;
  for (bool any = busy[0]; any;) {
    Lanes16 snapshot[kCellCount];
    for (int i = 0; i < kCellCount; ++i) snapshot[i] = cells[i];
    Frozen frozen;
    if (choice.Frozen()) {
      frozen = SweepFrozen(cells);
    } else if (!Sweep(cells)) {
      for (int i = 0; i < kCellCount; ++i) cells[i] = snapshot[i];
      frozen = SweepFrozen(cells);
    }
    choice.Saw(AnyLane(frozen.lanes));
    Lanes16 changed = {};
    for (int i = 0; i < kCellCount; ++i) changed |= reinterpret_cast<Lanes16>(cells[i] != snapshot[i]);
    Lanes16 invalid = {};
    Lanes16 solved = {};
    bool classified = false;
    any = false;
    for (int j = 0; j < kLanes; ++j) {
      if (!busy[j]) continue;
      ++lane_sweeps[j];
      const bool stopped = frozen.lanes[j] != 0;
      const bool settled = changed[j] == 0 && !stopped;
      if (!settled && !stopped && lane_sweeps[j] < kMaxLaneSweeps) {
        any = true;
        continue;
      }
      // A lane still going hands over the grid its last sweep started from:
      // the scalar path runs that sweep again, exactly.
      const bool ended = settled || stopped;
      sweeps[grid[j]] = ended ? lane_sweeps[j] : lane_sweeps[j] - 1;
      if (stopped) {
        statuses[grid[j]] = kLaneContradiction;
        wheres[grid[j]] = frozen.where[j];
      } else if (settled) {
        if (!classified) ClassifyLanes(cells, &invalid, &solved);
        classified = true;
        statuses[grid[j]] = invalid[j] != 0 ? kLaneInvalid : solved[j] != 0 ? kLaneSolved : kLaneOpen;
      } else {
        statuses[grid[j]] = kLaneUnfinished;
      }
      const Lanes16* handed = ended ? cells : snapshot;
      for (int i = 0; i < kCellCount; ++i) finals[grid[j] * kCellCount + static_cast<std::size_t>(i)] = handed[i][j];
      load(j);
      any = any || busy[j];
    }
  }
}

}  // namespace
