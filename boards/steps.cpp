// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The ladder's steps as the window shows them: the same techniques as the
// rating, on a sink that records each report as a Step.
#include <algorithm>
#include <tuple>

#include "boards/ladderpatterns.h"
#include "boards/rating.h"

namespace noralim {
namespace {

using board::Board;
using board::Grid;

// Whether the ascending digits of a come before those of b (a != b), as
// lists compared digit by digit, a list before the longer lists it begins:
// the lowest digit in one set and not the other decides, unless the set
// without it has no digit above it either (it then ends where the other
// goes on).
bool DigitsBefore(unsigned a, unsigned b) {
  const unsigned first = (a ^ b) & (0 - (a ^ b));
  const unsigned above = ~(2 * first - 1);
  return (a & first) != 0 ? (b & above) != 0 : (a & above) == 0;
}

// The order of StepsOf: technique, units (box, column, row, each by
// number), digits, cells; lists compared element by element.
bool Before(const Step& a, const Step& b) {
  if (a.technique != b.technique) return a.technique < b.technique;
  if (a.units != b.units) {
    return std::lexicographical_compare(
        a.units.begin(), a.units.end(), b.units.begin(), b.units.end(),
        [](const UnitRef& x, const UnitRef& y) { return std::tie(x.kind, x.number) < std::tie(y.kind, y.number); });
  }
  const unsigned da = a.digits.Bits() & board::kNine;
  const unsigned db = b.digits.Bits() & board::kNine;
  if (da != db) return DigitsBefore(da, db);
  return a.cells < b.cells;
}

class StepSink {
 public:
  explicit StepSink(const Grid& g) : g_(g) {}

  void Place(Technique technique, int d, Board cells) {
    const UnitKind kind = technique == Technique::BoxHiddenSingle      ? UnitKind::Box
                          : technique == Technique::ColumnHiddenSingle ? UnitKind::Column
                                                                       : UnitKind::Row;
    board::ForEachCell(cells & g_[d], [&](int pos) {
      Step s;
      s.technique = technique;
      s.units = {ladder::RefOf(board::UnitOf(pos, kind))};
      s.digits = DigitSet::Of(d + 1);
      s.cells = {board::CellOfPosition(pos)};
      s.placement = Placement{board::CellOfPosition(pos), d + 1};
      steps_.push_back(std::move(s));
    });
  }

  template <class Describe>
  void Remove(Technique technique, Board cells, unsigned digits, Describe&& describe) {
    Step s;
    s.technique = technique;
    board::ForEachCell(cells, [&](int pos) {
      unsigned lost = 0;
      for (int d = 0; d < 9; ++d) {
        if ((digits >> d & 1U) != 0 && board::Any(g_[d] & board::CellBoard(pos))) lost |= 1U << d;
      }
      if (lost != 0) s.eliminations.push_back({board::CellOfPosition(pos), ladder::Digits(lost)});
    });
    if (s.eliminations.empty()) return;
    std::sort(s.eliminations.begin(), s.eliminations.end(),
              [](const Elimination& a, const Elimination& b) { return a.cell < b.cell; });
    describe(s);
    steps_.push_back(std::move(s));
  }

  std::vector<Step> Steps() && { return std::move(steps_); }

 private:
  const Grid& g_;
  std::vector<Step> steps_;
};

// Every step of `level` on g, as the finders report them; the unit tables
// of levels 4 and up made on first use.
std::vector<Step> FindSteps(const Grid& g, Level level, std::optional<ladder::UnitTables>& tables) {
  StepSink sink(g);
  if (level == Level::Calc) {
    ladder::FindCalc(g, sink);
  } else if (level == Level::Singles) {
    ladder::FindSingles(g, sink);
  } else if (level == Level::Locked) {
    ladder::FindLocked(g, ladder::Scope{}, sink);
  } else if (level != Level::Search) {
    if (!tables) tables = ladder::MakeUnitTables(g);
    ladder::FindAbove(level, *tables, ladder::Scope{}, sink);
  }
  return std::move(sink).Steps();
}

}  // namespace

std::vector<Step> StepsOf(const DigitCells& cells, Level level) {
  std::optional<ladder::UnitTables> tables;
  std::vector<Step> steps = FindSteps(board::FromCells(cells), level, tables);
  std::stable_sort(steps.begin(), steps.end(), Before);
  return steps;
}

// The first step in the order of StepsOf: the first of the least, which
// needs no sort.
std::optional<Step> SimplestStep(const DigitCells& cells) {
  const Grid g = board::FromCells(cells);
  std::optional<ladder::UnitTables> tables;
  for (int level = 1; level < kLevelCount; ++level) {
    std::vector<Step> steps = FindSteps(g, static_cast<Level>(level), tables);
    if (!steps.empty()) return std::move(*std::min_element(steps.begin(), steps.end(), Before));
  }
  return std::nullopt;
}

DigitCells ApplyStep(DigitCells cells, const Step& step) {
  if (step.placement) {
    DigitSet& cell = cells[step.placement->cell - 1];
    cell = DigitSet::FromBits(static_cast<std::uint16_t>(cell.Bits() & DigitSet::Of(step.placement->digit).Bits()));
  }
  for (const Elimination& e : step.eliminations) cells[e.cell - 1] = RemoveAll(cells[e.cell - 1], e.digits);
  return cells;
}

}  // namespace noralim
