// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The ladder's steps as the window shows them: the same techniques as the
// rating, on a sink that records each report as a Step.
#include <algorithm>
#include <tuple>

#include "solver/ladderpatterns.h"
#include "solver/rating.h"

namespace noralim {
namespace {

using board::Board;
using board::Grid;

// The order of StepsOf: technique, units, digits, cells.
auto OrderKey(const Step& s) {
  std::vector<int> units;
  for (const UnitRef& u : s.units) units.push_back(board::UnitIndex(u.kind, u.number - 1));
  std::vector<int> digits;
  for (int d = 1; d <= 9; ++d) {
    if ((s.digits.Bits() & DigitSet::Of(d).Bits()) != 0) digits.push_back(d);
  }
  return std::make_tuple(s.technique, units, digits, s.cells);
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

  std::vector<Step> Steps() && {
    std::stable_sort(steps_.begin(), steps_.end(),
                     [](const Step& a, const Step& b) { return OrderKey(a) < OrderKey(b); });
    return std::move(steps_);
  }

 private:
  const Grid& g_;
  std::vector<Step> steps_;
};

}  // namespace

std::vector<Step> StepsOf(const DigitCells& cells, Level level) {
  const Grid g = board::FromCells(cells);
  StepSink sink(g);
  if (level == Level::Calc) {
    ladder::FindCalc(g, sink);
  } else if (level == Level::Singles) {
    ladder::FindSingles(g, sink);
  } else if (level == Level::Locked) {
    ladder::FindLocked(g, ladder::Scope{}, sink);
  } else {
    ladder::FindAbove(level, ladder::MakeUnitTables(g), ladder::Scope{}, sink);
  }
  return std::move(sink).Steps();
}

std::optional<Step> SimplestStep(const DigitCells& cells) {
  for (int level = 1; level < kLevelCount; ++level) {
    std::vector<Step> steps = StepsOf(cells, static_cast<Level>(level));
    if (!steps.empty()) return std::move(steps.front());
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
