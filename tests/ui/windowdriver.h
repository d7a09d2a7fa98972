// What the window stress and closing tests share: reading the cells, typing
// as a keyboard would, the idle state, and seeds taken from the environment.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QString>
#include <QtTest>
#include <array>
#include <cstdint>

#include "form1.h"
#include "geometry.h"

namespace noralim::uitest {

using Texts = std::array<CellText, kCellCount>;

inline Texts ReadAll(const ui::Form1& form) {
  Texts texts;
  for (CellIndex i = 1; i <= kCellCount; ++i) texts[static_cast<std::size_t>(i - 1)] = form.Grid().GetCellText(i);
  return texts;
}

// No override cursor at all: the window's busy pointer is an override.
inline bool DefaultPointer() { return QGuiApplication::overrideCursor() == nullptr; }

inline bool Idle(const ui::Form1& form) { return DefaultPointer() && form.cmdExec(kCalcButton)->isEnabled(); }

// Types text key by key, one key event a character. QTest's character keys
// cover ASCII only; any other character comes as a key event carrying its
// text, one or two UTF-16 units, as a keyboard or input method delivers it
// (a character outside the Basic Multilingual Plane is one event, never two
// lone surrogate halves).
inline void TypeInto(QWidget* cell, const QString& text) {
  for (qsizetype k = 0; k < text.size(); ++k) {
    const QChar c = text.at(k);
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
      QTest::keyClick(cell, static_cast<char>(c.unicode()));
      continue;
    }
    const qsizetype units = c.isHighSurrogate() && k + 1 < text.size() && text.at(k + 1).isLowSurrogate() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, cell, Qt::Key_unknown, text.mid(k, units), Qt::NoModifier);
    k += units - 1;
  }
}

// Puts text on the clipboard and pastes it into the cell with Ctrl+V.
inline void PasteInto(QWidget* cell, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
}

// Types an 81-character row-major puzzle into an empty window, '.' skipped.
inline void TypePuzzle(ui::Form1& form, const QString& rows) {
  for (int p = 0; p < kCellCount; ++p) {
    const QChar c = rows.at(p);
    if (c != QLatin1Char('.')) TypeInto(form.Text1(CellAtPosition(p)), QString(c));
  }
}

// The seed in the named environment variable (decimal or 0x hex), else the
// fixed default, so that a failing script can be replayed.
inline std::uint64_t SeedFromEnvironment(const char* name, std::uint64_t fallback) {
  bool ok = false;
  const std::uint64_t value = qEnvironmentVariable(name).toULongLong(&ok, 0);
  return ok ? value : fallback;
}

inline QString Show(const CellText& t) {
  return QString::fromUcs4(t.data(), static_cast<qsizetype>(t.size())).replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n"));
}

}  // namespace noralim::uitest
