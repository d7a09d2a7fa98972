// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// New puzzle (Ctrl+N): a puzzle made to order at the rung asked for, from a
// stock kept ready on a thread of its own.
#include <QApplication>
#include <chrono>
#include <random>

#include "ui/form1.h"
#include "ui/translation.h"
#include "ui/usersettings.h"

namespace noralim::ui {

namespace {

constexpr QLatin1String kLevelKey("newPuzzle/rating");

// The rung chosen last, or singles, which most people start with.
Level RememberedLevel() {
  const QString name = UserSettings().value(kLevelKey).toString();
  return LevelNamed(name.toStdString()).value_or(Level::Singles);
}

// A seed that differs from run to run, small enough to be typed back
// (53 bits, as noralim-solve's own seeds).
std::uint64_t FreshSeed() {
  const auto now = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  return (now ^ (std::uint64_t{std::random_device{}()} << 21)) & ((std::uint64_t{1} << 53) - 1);
}

}  // namespace

PuzzleStock& Form1::Stock() {
  if (!stock_) stock_ = std::make_unique<PuzzleStock>(FreshSeed());
  return *stock_;
}

void Form1::PrepareNewPuzzles() {
  // The rung chosen last first, then one of every other, so that a rung
  // picked from the menu comes at once too.
  Stock().Prepare(RememberedLevel());
  for (int k = 1; k <= kLevelCount; ++k) Stock().Prepare(static_cast<Level>(k), 1);
}

void Form1::NewPuzzle(std::optional<Level> asked) {
  if (step_ != Step::None) return QApplication::beep();
  const Level level = asked.value_or(RememberedLevel());
  const std::string_view name = LevelName(level);
  const QString rung = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  UserSettings().setValue(kLevelKey, rung);
  const PuzzleStock::Made made = Stock().Take(level);
  GridTexts texts{};
  for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = ToCellText(made.puzzle.givens[k]);
  LoadTexts(texts, Tr(QT_TRANSLATE_NOOP("noralim", "%1, seed %2")).arg(rung).arg(made.seed));
}

QMenu* Form1::CreateNewPuzzleMenu() {
  auto* menu = new QMenu(Tr(QT_TRANSLATE_NOOP("noralim", "New &puzzle")), this);
  for (int k = 1; k <= kLevelCount; ++k) {
    const auto level = static_cast<Level>(k);
    const std::string_view name = LevelName(level);
    QAction* action = menu->addAction(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    connect(action, &QAction::triggered, this, [this, level] { NewPuzzle(level); });
  }
  return menu;
}

}  // namespace noralim::ui
