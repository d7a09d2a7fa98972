// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/stepsentence.h"

#include "ui/gridwords.h"
#include "ui/translation.h"

namespace noralim::ui {

namespace {

// The size of a subset or a fish, and its name.
const char* SubsetName(Technique technique) {
  switch (technique) {
    case Technique::NakedPair:
      return QT_TRANSLATE_NOOP("noralim", "Naked pair");
    case Technique::NakedTriple:
      return QT_TRANSLATE_NOOP("noralim", "Naked triple");
    case Technique::NakedQuad:
      return QT_TRANSLATE_NOOP("noralim", "Naked quad");
    case Technique::HiddenPair:
      return QT_TRANSLATE_NOOP("noralim", "Hidden pair");
    case Technique::HiddenTriple:
      return QT_TRANSLATE_NOOP("noralim", "Hidden triple");
    case Technique::HiddenQuad:
      return QT_TRANSLATE_NOOP("noralim", "Hidden quad");
    case Technique::XWing:
      return QT_TRANSLATE_NOOP("noralim", "X-wing");
    case Technique::Swordfish:
      return QT_TRANSLATE_NOOP("noralim", "Swordfish");
    default:
      break;
  }
  return QT_TRANSLATE_NOOP("noralim", "Jellyfish");
}

QString Single(const Step& step) {
  const Placement& placed = *step.placement;
  const UnitRef& unit = step.units[0];
  return Tr(QT_TRANSLATE_NOOP("noralim", "Hidden single: %1 fits only in %2, so it goes there."))
      .arg(placed.digit)
      .arg(Of(PlacesIn(unit.kind, {placed.cell}), UnitName(unit.kind, unit.number)));
}

QString Locked(const Step& step) {
  const UnitRef& where = step.units[0];
  const UnitRef& line = step.units[1];
  const char* text =
      step.technique == Technique::Pointing
          ? QT_TRANSLATE_NOOP("noralim", "Pointing: in %1, %2 fits only in %3, so %2 goes from the rest of %3.")
          : QT_TRANSLATE_NOOP("noralim", "Claiming: in %1, %2 fits only in %3, so %2 goes from the rest of %3.");
  return Tr(text)
      .arg(UnitName(where.kind, where.number))
      .arg(DigitOf(step.digits))
      .arg(UnitName(line.kind, line.number));
}

QString Subset(const Step& step) {
  const UnitRef& unit = step.units[0];
  const bool naked = step.technique == Technique::NakedPair || step.technique == Technique::NakedTriple ||
                     step.technique == Technique::NakedQuad;
  const char* text =
      naked ? QT_TRANSLATE_NOOP("noralim",
                                "%1 %2 in %3: %4 hold only %5 between them, so %5 go from the other cells of %3.")
            : QT_TRANSLATE_NOOP("noralim", "%1 %2 in %3: %5 fit only in %4, so the other candidates there go.");
  return Tr(text).arg(Tr(SubsetName(step.technique)), DigitsSpaced(step.digits), UnitName(unit.kind, unit.number),
                      PlacesIn(unit.kind, step.cells), DigitsAnd(step.digits));
}

QString Fish(const Step& step) {
  const std::size_t size = step.units.size() / 2;
  std::vector<UnitNumber> base;
  std::vector<UnitNumber> cover;
  for (std::size_t k = 0; k < step.units.size(); ++k) (k < size ? base : cover).push_back(step.units[k].number);
  return Tr(QT_TRANSLATE_NOOP("noralim", "%1 on %2: in %3, %2 fits only in %4, so %2 goes from the rest of %4."))
      .arg(Tr(SubsetName(step.technique)))
      .arg(DigitOf(step.digits))
      .arg(LinesName(step.units.front().kind, base), LinesName(step.units.back().kind, cover));
}

QString Wing(const Step& step, const DigitCells& grid) {
  const auto cell = [&](std::size_t k) {
    const CellIndex i = step.cells[k];
    return Tr(QT_TRANSLATE_NOOP("noralim", "%1 (%2)"))
        .arg(ShortPlace(i), DigitsSpaced(grid[static_cast<std::size_t>(i - 1)]));
  };
  const char* text =
      step.technique == Technique::XyWing
          ? QT_TRANSLATE_NOOP("noralim",
                              "XY-wing: %1 sees %2 and %3, so %4 goes from the cells that see both of these.")
          : QT_TRANSLATE_NOOP("noralim", "XYZ-wing: %1 sees %2 and %3, so %4 goes from the cells that see all three.");
  return Tr(text).arg(cell(0), cell(1), cell(2)).arg(DigitOf(step.eliminations.front().digits));
}

QString Sentence(const Step& step, const DigitCells& grid) {
  switch (LevelOf(step.technique)) {
    case Level::Calc:
      if (step.technique == Technique::SettledCell) {
        return Tr(QT_TRANSLATE_NOOP("noralim",
                                    "%1 holds %2, so %2 goes from the other cells of its row, column and box."))
            .arg(PlaceName(step.cells.front()))
            .arg(DigitOf(step.digits));
      }
      return Single(step);
    case Level::Singles:
      return Single(step);
    case Level::Locked:
      return Locked(step);
    case Level::Fish:
      return Fish(step);
    case Level::Wings:
      return Wing(step, grid);
    default:
      break;
  }
  return Subset(step);
}

}  // namespace

QString DescribeStep(const Step& step, const DigitCells& grid) {
  QString sentence = Sentence(step, grid);
  if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();  // "Row 1, column 6 holds 9, ..."
  return sentence;
}

}  // namespace noralim::ui
