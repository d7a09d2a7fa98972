// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window as it opens and as a keyboard and the clipboard meet it,
// offscreen.
#include "ui/form1.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTranslator>
#include <QtTest>
#include <functional>
#include <map>

#include "boards/generator.h"
#include "reader/reader.h"
#include "tests/ui/windowdriver.h"
#include "ui/accessibility.h"
#include "ui/cellcolors.h"
#include "ui/cellstyle.h"
#include "ui/gridwords.h"
#include "ui/scaledlayout.h"
#include "ui/startup.h"

using noralim::CellIndex;
using noralim::CellText;
using noralim::GridTexts;
using noralim::ui::Form1;
using namespace noralim::uitest;

Q_DECLARE_METATYPE(CellText)
Q_DECLARE_METATYPE(GridTexts)

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  // The tests' own data folder, never the user's: OpenForm keeps its state there.
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    // The window's size is kept in settings of the test's own.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    noralim::ui::QuietFontFallbackNotes();
  }
  void init() {
    // A cell holds any junk pasted into it; the fonts tried for it say nothing.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("OpenType")));
    form_ = std::make_unique<Form1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void cleanup() { form_.reset(); }

  void opensEmptyAndIdleWithTheFocusInCellOne() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Noralim"));
    QCOMPARE(form_->size(), noralim::ui::kBaseSize);
    QCOMPARE(form_->minimumSize(), noralim::ui::kBaseSize);
    QVERIFY(ReadAll(*form_) == GridTexts{});
    QCOMPARE(QApplication::focusWidget(), form_->Text1(1));
    QVERIFY(Idle(*form_) && form_->cmdExec(1)->isEnabled());
    QCOMPARE(form_->Text1(1)->font().pointSize(), 9);
    QCOMPARE(QAccessible::queryAccessibleInterface(form_.get())->role(), QAccessible::Window);
  }

  // Cells of a row share a top edge, of a column a left edge; inside a box
  // neighbours share a frame line, between boxes one line's width stays
  // free. Larger, the whole grows by one factor, centred in the window.
  void cellsLieInTheirRowsAndColumnsWithGapsBetweenBoxes_data() {
    QTest::addColumn<int>("factor");
    QTest::addColumn<QSize>("window");
    QTest::newRow("the base size") << 1 << noralim::ui::kBaseSize;
    QTest::newRow("twice, in a wider window") << 2 << QSize(700, 646);
    QTest::newRow("three times, in a taller window") << 3 << QSize(879, 1100);
  }
  void cellsLieInTheirRowsAndColumnsWithGapsBetweenBoxes() {
    QFETCH(int, factor);
    QFETCH(QSize, window);
    form_->resize(window);
    form_->Grid().SetCellText(41, U"5");
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) {
      const int row = noralim::RowOf(i);
      const int column = noralim::ColumnOf(i);
      const QRect cell = form_->Text1(i)->geometry();
      const QRect next = form_->Text1(noralim::CellAt(row, column % 9 + 1))->geometry();
      const QRect under = form_->Text1(noralim::CellAt(row % 9 + 1, column))->geometry();
      QVERIFY(form_->rect().contains(cell));
      QVERIFY(cell.width() == 33 * factor && cell.height() == 33 * factor && form_->Text1(i)->lineWidth() == factor);
      QVERIFY(next.top() == cell.top() && under.left() == cell.left());
      if (column < 9) QCOMPARE(next.left(), cell.right() + 1 + (column % 3 == 0 ? factor : -factor));
      if (row < 9) QCOMPARE(under.top(), cell.bottom() + 1 + (row % 3 == 0 ? factor : -factor));
    }
    const QRect grid = form_->Text1(1)->geometry() | form_->Text1(81)->geometry();
    QVERIFY(std::abs(grid.left() - (form_->rect().right() - grid.right())) <= 1);
    QCOMPARE(form_->cmdExec(1)->geometry().right() - form_->cmdExec(0)->geometry().left(), 289 * factor - 1);
    QVERIFY(form_->cmdExec(0)->geometry().top() > grid.bottom());
    QVERIFY(form_->rect().contains(form_->cmdExec(1)->geometry()));
    QCOMPARE(form_->Text1(41)->font().pointSizeF(), 20.0 * factor);
    QCOMPARE(form_->cmdExec(0)->font().pointSizeF(), QApplication::font(form_->cmdExec(0)).pointSizeF() * factor);
  }

  void tabWalksTheCellsInIndexOrderThenTheButtons() {
    for (int k = 2; k <= 84; ++k) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      const int at = k > 83 ? 1 : k;
      QWidget* expected = at <= 81 ? static_cast<QWidget*>(form_->Text1(CellIndex(at))) : form_->cmdExec(at - 82);
      QCOMPARE(QApplication::focusWidget(), expected);
    }
    QVERIFY(ReadAll(*form_) == GridTexts{});
  }

  void keysMakeTheCellText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QKeySequence>("key");  // pressed last, or none
    QTest::addColumn<CellText>("text");
    QTest::addColumn<QString>("clipboard");
    const QKeySequence paste(QKeySequence::Paste);
    const auto most = static_cast<int>(noralim::ui::CellField::kMaxCharacters);
    QTest::newRow("Ctrl+V pastes the clipboard into the cell alone")
        << "1" << paste << CellText(U"1a\r\nb") << QStringLiteral("a\nb");
    QTest::newRow("a paste up to the longest text a cell takes")
        << "1" << paste << U"1" + CellText(most - 1, U'7') << QString(most - 1, QLatin1Char('7'));
    QTest::newRow("a paste past it: the cell as it was")
        << "1" << paste << CellText(U"1") << QString(most, QLatin1Char('7'));
    QTest::newRow("a line break counts two")
        << "1" << paste << CellText(U"1") << QString(most - 2, QLatin1Char('7')) + QLatin1Char('\n');
    QTest::newRow("typing past it: the cell as it was")
        << "" << QKeySequence(Qt::Key_8) << CellText(most, U'7') << QString(most, QLatin1Char('7'));
    QTest::newRow("typing over a selection at it: the selection replaced")
        << "" << QKeySequence(Qt::SHIFT | Qt::Key_Left, QKeyCombination(Qt::Key_8)) << CellText(most - 1, U'7') + U"8"
        << QString(most, QLatin1Char('7'));
    QTest::newRow("junk in scripts no cell face shapes")
        << "1" << paste << CellText(U"1\u0710\u0780\x01\u1780\uFFFD") << QStringLiteral("\u0710\u0780\x01\u1780\uFFFD");
    QTest::newRow("kana, a full-width digit, an emoji")
        << "か５\U0001F600" << QKeySequence() << CellText(U"か５\U0001F600") << QString();
    QTest::newRow("Enter is CR LF") << "5" << QKeySequence(Qt::Key_Return) << CellText(U"5\r\n") << QString();
    QTest::newRow("Enter in an empty cell") << "" << QKeySequence(Qt::Key_Return) << CellText(U"\r\n") << QString();
    QTest::newRow("Enter on an empty line")
        << "5" << QKeySequence(Qt::Key_Return, Qt::Key_Return) << CellText(U"5\r\n\r\n") << QString();
    QTest::newRow("Shift+Enter is CR LF")
        << "5" << QKeySequence(Qt::SHIFT | Qt::Key_Return) << CellText(U"5\r\n") << QString();
    QTest::newRow("Backspace takes a whole emoji")
        << "5\U0001F9E9" << QKeySequence(Qt::Key_Backspace) << CellText(U"5") << QString();
    QTest::newRow("Tab leaves the text alone") << "7" << QKeySequence(Qt::Key_Tab) << CellText(U"7") << QString();
    QTest::newRow("spaces stay as typed")
        << " \u00a0\u3000" << QKeySequence() << CellText(U" \u00a0\u3000") << QString();
  }
  void keysMakeTheCellText() {
    QFETCH(QString, typed);
    QFETCH(QKeySequence, key);
    QFETCH(CellText, text);
    QFETCH(QString, clipboard);
    QGuiApplication::clipboard()->setText(clipboard);
    if (typed.isEmpty() && !clipboard.isEmpty()) QTest::keySequence(form_->Text1(41), QKeySequence::Paste);
    TypeInto(form_->Text1(41), typed);
    if (!key.isEmpty()) QTest::keySequence(form_->Text1(41), key);
    QCOMPARE(form_->Grid().GetCellText(41), text);
    QCOMPARE(form_->Grid().GetCellText(42), CellText());
  }

  // Every line the text is laid out in lies inside the cell, and a settled
  // digit sits in the middle.
  // With a pace, only a run's own writes wait: a load, a Clear and typing go
  // at once, also a Clear in the middle of a run.
  void thePaceSlowsRunsAlone() {
    form_->SetPace(1000);
    QElapsedTimer clock;
    clock.start();
    form_->LoadTexts(Texts(kTwentyEight));
    QTest::mouseClick(form_->cmdExec(1), Qt::LeftButton);
    TypeInto(form_->Text1(1), QStringLiteral("123"));
    QVERIFY(clock.elapsed() < 1000);
    form_->LoadTexts(Texts(kTwentyEight));
    qint64 clear = -1;
    OnEveryChange(*form_, this, [&](int n) {
      if (n != 1) return;
      clock.restart();
      QTest::mouseClick(form_->cmdExec(1), Qt::LeftButton);
      clear = clock.elapsed();
      form_->SetPace(0);  // the rest of the run at full speed
    });
    QTest::keyClick(form_->Text1(1), Qt::Key_F5);
    QVERIFY(clear >= 0 && clear < 1000);
  }

  void everyCharacterShowsInsideItsCell_data() {
    QTest::addColumn<CellText>("text");
    QTest::addColumn<int>("factor");
    const CellText digits = U"123456789";
    for (std::size_t length = 1; length <= digits.size(); ++length) {
      QTest::newRow(qPrintable(QStringLiteral("%1 digits").arg(length))) << digits.substr(0, length) << 1;
    }
    QTest::newRow("a digit and a line break") << CellText(U"5\r\n") << 1;
    QTest::newRow("two digits on two lines") << CellText(U"1\r\n2") << 1;
    QTest::newRow("nine kana") << CellText(U"あいうえおかきくけ") << 1;
    QTest::newRow("three lines") << CellText(U"1\r\n2\r\n3") << 1;
    QTest::newRow("four lines of three") << CellText(U"123\r\n456\r\n789\r\nabc") << 1;
    QTest::newRow("nine digits, three times as large") << CellText(U"123456789") << 3;
    QTest::newRow("five digits, written before a resize") << CellText(U"36789") << -2;
  }
  void everyCharacterShowsInsideItsCell() {
    QFETCH(CellText, text);
    QFETCH(int, factor);  // negative: the text written first, then the window resized
    if (factor < 0) form_->Grid().SetCellText(41, text);
    form_->resize(noralim::ui::kBaseSize * std::abs(factor));
    form_->Grid().SetCellText(41, text);
    noralim::ui::CellField* cell = form_->Text1(41);
    const QRectF room(cell->viewport()->rect());
    QAbstractTextDocumentLayout* layout = cell->document()->documentLayout();
    QRectF lines;
    for (QTextBlock block = cell->document()->begin(); block.isValid(); block = block.next()) {
      const QPointF at = layout->blockBoundingRect(block).topLeft();
      for (int k = 0; k < block.layout()->lineCount(); ++k) {
        const QTextLine line = block.layout()->lineAt(k);
        const QRectF rect(at.x() + line.naturalTextRect().x(), at.y() + line.y(), line.naturalTextWidth(),
                          line.height());
        const bool inside = rect.left() >= room.left() && rect.right() <= room.right() && rect.top() >= room.top() &&
                            rect.bottom() <= room.bottom();
        QVERIFY2(inside, "a line of the text is outside the cell");
        lines |= rect;
      }
    }
    QVERIFY((lines.center() - room.center()).manhattanLength() <= 2);
  }

  void styleFollowsTheLengthOfTheText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<double>("points");
    QTest::newRow("a digit") << "5" << false << true << 20.0;
    QTest::newRow("a letter") << "a" << false << true << 20.0;
    QTest::newRow("two digits") << "12" << false << false << 12.0;
    QTest::newRow("three digits") << "123" << false << false << 11.0;
    QTest::newRow("a digit and Enter are three characters") << "5" << true << false << 11.0;
    QTest::newRow("all nine digits") << "123456789" << false << false << 10.0;
  }
  void styleFollowsTheLengthOfTheText() {
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(bool, bold);
    QFETCH(double, points);
    noralim::ui::CellField* cell = form_->Text1(5);
    const QSignalSpy changes(cell, &QTextEdit::textChanged);
    QTest::keyClicks(cell, typed);
    if (enter) QTest::keyClick(cell, Qt::Key_Return);
    QVERIFY(cell->font().bold() == bold && cell->font().pointSizeF() == points);
    QCOMPARE(cell->font().families(), noralim::ui::CellFont().families());
    QCOMPARE(changes.count(), typed.size() + (enter ? 1 : 0));  // restyling raised no change of its own
    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_Delete);
    QVERIFY(!cell->font().bold() && cell->font().pointSizeF() == 10.0);
  }

  // Keyboard moves through the grid in rows and columns: an arrow key at the
  // edge of a cell's text goes on to the next cell, whose text it selects.
  void keysMoveThroughTheGrid_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("caretAtEnd");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("modifiers");
    const int none = Qt::NoModifier;
    const int keypad = Qt::KeypadModifier;
    QTest::newRow("Right at the end of the text: the next column") << 3 << true << int(Qt::Key_Right) << 10 << none;
    QTest::newRow("Right inside it: the caret moves") << 3 << false << int(Qt::Key_Right) << 3 << none;
    QTest::newRow("Left at its start: the column before") << 10 << false << int(Qt::Key_Left) << 3 << none;
    QTest::newRow("Down on its last line: the row below") << 3 << true << int(Qt::Key_Down) << 6 << none;
    QTest::newRow("Up in the top row: nowhere") << 2 << true << int(Qt::Key_Up) << 2 << none;
    QTest::newRow("Right on the keypad, as the arrow") << 3 << true << int(Qt::Key_Right) << 10 << keypad;
    QTest::newRow("Up on the keypad at the start") << 4 << false << int(Qt::Key_Up) << 1 << keypad;
    QTest::newRow("Shift+Right selects, stays") << 3 << false << int(Qt::Key_Right) << 3 << int(Qt::ShiftModifier);
    QTest::newRow("Tab: the next cell, box by box") << 3 << true << int(Qt::Key_Tab) << 4 << none;
    QTest::newRow("Shift+Tab: the cell before") << 10 << false << int(Qt::Key_Backtab) << 9 << int(Qt::ShiftModifier);
  }
  void keysMoveThroughTheGrid() {
    QFETCH(int, from);
    QFETCH(bool, caretAtEnd);
    QFETCH(int, key);
    QFETCH(int, to);
    QFETCH(int, modifiers);
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) form_->Grid().SetCellText(i, U"12");
    noralim::ui::CellField* cell = form_->Text1(CellIndex(from));
    cell->setFocus(Qt::MouseFocusReason);
    cell->moveCursor(caretAtEnd ? QTextCursor::End : QTextCursor::Start);
    QTest::keyClick(cell, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QApplication::focusWidget(), form_->Text1(CellIndex(to)));
    if (to != from) {
      TypeInto(form_->Text1(CellIndex(to)), QStringLiteral("5"));  // replaces the selected text
      QCOMPARE(form_->Grid().GetCellText(CellIndex(to)), CellText(U"5"));
    }
  }

  void aClickPlacesTheCaretAndTheDigitKeysGiveDigits() {
    form_->Grid().SetCellText(7, U"12");
    QTest::mouseClick(form_->Text1(7)->viewport(), Qt::LeftButton);
    QVERIFY(!form_->Text1(7)->textCursor().hasSelection());
    QVERIFY(!form_->Text1(7)->testAttribute(Qt::WA_InputMethodEnabled));
  }

  void ctrlWCloses() {
    QTest::keyClick(form_->Text1(1), Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!form_->isVisible());
  }

  // Each step is undone and redone whole, and the name of the file a puzzle
  // came from comes and goes with its grid: a Clear or a paste takes it away.
  void undoAndRedoStepThroughTheGrid() {
    form_->LoadTexts(Texts(kContradictory), QStringLiteral("puzzles.txt:4"));  // as an operand loads it
    const QString named = QStringLiteral("puzzles.txt:4 \u2014 Noralim");
    const QString plain = QStringLiteral("Noralim");
    form_->Text1(9)->setFocus(Qt::TabFocusReason);
    TypeInto(form_->Text1(9), QStringLiteral("7"));
    QTest::keyClick(form_->Text1(9), Qt::Key_Z, Qt::ControlModifier);  // undoes the typing, not the load
    QVERIFY(ReadAll(*form_) == Texts(kContradictory));
    QCOMPARE(form_->windowTitle(), named);
    QTest::mouseClick(form_->cmdExec(1), Qt::LeftButton);
    TypeInto(form_->Text1(1), QStringLiteral("5"));
    QTest::keyClick(form_->Text1(1), Qt::Key_Tab);  // leaving the cell ends the step
    QTest::mouseClick(form_->cmdExec(1), Qt::LeftButton);
    QGuiApplication::clipboard()->setText(kTwentyEight);
    QTest::keyClick(form_->Text1(9), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    const GridTexts five = Texts(QStringLiteral("5") + QString(80, QLatin1Char('.')));
    using Shown = std::pair<GridTexts, QString>;
    const auto press = [&](QKeyCombination keys, const Shown& shown) {
      QTest::keyClick(form_->Text1(9), keys.key(), keys.keyboardModifiers());
      QVERIFY(ReadAll(*form_) == shown.first);
      QCOMPARE(form_->windowTitle(), shown.second);
    };
    // Back through the paste, the Clear, the typing, the first Clear, the
    // load; then no further. Forward again to the paste.
    const std::vector<Shown> back = {{GridTexts{}, plain},           {five, plain},        {GridTexts{}, plain},
                                     {Texts(kContradictory), named}, {GridTexts{}, plain}, {GridTexts{}, plain}};
    for (const Shown& shown : back) press(Qt::CTRL | Qt::Key_Z, shown);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, back[3]);
    for (int k = 2; k >= 0; --k) press(Qt::CTRL | Qt::Key_Y, back[static_cast<std::size_t>(k)]);
    press(Qt::CTRL | Qt::Key_Y, {Texts(kTwentyEight), plain});
  }

  // A step that arrives while an undo is being written, from inside the
  // undo's first change notification, is refused: the undo ends where it
  // should and the history holds only grids that were on screen.
  void aStepDuringAnUndoIsRefused_data() {
    QTest::addColumn<QString>("nested");
    for (const char* nested : {"undo", "redo", "paste", "Clear", "Calc"}) QTest::newRow(nested) << nested;
  }
  void aStepDuringAnUndoIsRefused() {
    QFETCH(QString, nested);
    const GridTexts a = Texts(kContradictory);
    const GridTexts b = Texts(kTwentyEight);
    form_->LoadTexts(a);
    form_->LoadTexts(b);
    QGuiApplication::clipboard()->setText(kTwentyEight);
    const std::map<QString, std::function<void()>> steps = {
        {"undo", [&] { QTest::keyClick(form_->Text1(1), Qt::Key_Z, Qt::ControlModifier); }},
        {"redo", [&] { QTest::keyClick(form_->Text1(1), Qt::Key_Y, Qt::ControlModifier); }},
        {"paste", [&] { QTest::keyClick(form_->Text1(1), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier); }},
        {"Clear", [&] { QTest::mouseClick(form_->cmdExec(1), Qt::LeftButton); }},
        {"Calc", [&] { QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton); }},
    };
    OnEveryChange(*form_, this, [&](int n) {
      if (n == 1) steps.at(nested)();
    });
    QTest::keyClick(form_->Text1(1), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(ReadAll(*form_) == a);
    form_->Undo();
    QVERIFY(ReadAll(*form_) == GridTexts{});
    form_->Redo();
    QVERIFY(ReadAll(*form_) == a);
    form_->Redo();
    QVERIFY(ReadAll(*form_) == b);
  }

  // A cell's context menu holds the grid's undo and redo, enabled as their
  // keys work, and copies and pastes the whole grid.
  void theContextMenuWorksOnTheGrid() {
    const auto menu = [&](const QString& chosen) {
      QStringList shown;
      QTimer::singleShot(0, this, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(popup != nullptr);
        for (QAction* action : popup->actions()) {
          if (action->isSeparator()) continue;
          shown << action->text().remove(QLatin1Char('&')) + (action->isEnabled() ? "" : " (off)");
          if (action->text().remove(QLatin1Char('&')) == chosen) action->trigger();
        }
        popup->close();
      });
      QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), form_->Text1(1)->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(form_->Text1(1)->viewport(), &event);
      return shown.join(QStringLiteral(", "));
    };
    TypeInto(form_->Text1(1), QStringLiteral("5"));  // not recorded yet, and undone all the same
    QVERIFY(menu("Undo").startsWith(QStringLiteral("Undo, Redo (off),")));
    QVERIFY(ReadAll(*form_) == GridTexts{});
    form_->LoadTexts(Texts(kTwentyEight));
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    QCOMPARE(menu("Copy the grid"),
             QStringLiteral("Undo, Redo (off), Cut (off), Copy (off), Paste, Delete (off), "
                            "Select All, Copy the grid, Paste a grid, Next step, Check, Highlight, New puzzle, "
                            "Open..., Save..., Print..."));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString(kTwentyEight));
    menu("Undo");
    QVERIFY(ReadAll(*form_) == GridTexts{});
    QVERIFY(menu("Paste a grid").startsWith(QStringLiteral("Undo (off), Redo,")));
    QVERIFY(ReadAll(*form_) == Texts(kTwentyEight));
    // Greyed in the menu, Undo is live again for its key once the menu is gone.
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    form_->cmdExec(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form_->cmdExec(1), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(ReadAll(*form_) == GridTexts{});
  }

  // Typing not yet recorded is a step of its own before a run or a step
  // taken, and is undone by itself after a step only shown.
  void typingStaysUndoableAcrossCalcAndNextStep_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("steps");  // what the keys add to the history
    QTest::newRow("Calc") << QList<int>{Qt::Key_F5} << 1;
    QTest::newRow("Next step shown") << QList<int>{Qt::Key_F6} << 0;
    QTest::newRow("Next step taken") << QList<int>{Qt::Key_F6, Qt::Key_F6} << 1;
  }
  void typingStaysUndoableAcrossCalcAndNextStep() {
    QFETCH(QList<int>, keys);
    QFETCH(int, steps);
    form_->LoadTexts(Texts(kTwentyEight));
    noralim::ui::CellField* cell = form_->Text1(noralim::CellAt(1, 2));  // 4 in the solution
    cell->setFocus(Qt::TabFocusReason);
    TypeInto(cell, QStringLiteral("4"));
    const GridTexts typed = ReadAll(*form_);
    for (const int key : keys) QTest::keyClick(cell, static_cast<Qt::Key>(key));
    QVERIFY(steps == 0 || ReadAll(*form_) != typed);
    for (int k = 0; k < steps; ++k) QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(ReadAll(*form_) == typed);
    QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(ReadAll(*form_) == Texts(kTwentyEight));
  }

  // The step shown and its sentence go when Calc starts and with another
  // grid (a Clear, a paste, a load, an undo), also one that leaves every
  // cell as it was.
  void theStepShownGoesWithTheGrid_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("then");
    const QString pair = "....81...52.......3......9.2.63........7..1.4......8......2..5..41...............";
    QTest::newRow("Calc") << pair << "Calc";
    QTest::newRow("Clear of an empty grid") << QString(81, QLatin1Char('.')) << "Clear";
    QTest::newRow("a paste of the same grid") << pair << "paste";
    QTest::newRow("a load of the same grid") << pair << "load";
    QTest::newRow("undo") << pair << "undo";
  }
  void theStepShownGoesWithTheGrid() {
    QFETCH(QString, grid);
    QFETCH(QString, then);
    form_->LoadTexts(Texts(grid));
    QGuiApplication::clipboard()->setText(grid);
    const std::map<QString, std::function<void()>> steps = {
        {"Calc", [&] { QTest::keyClick(form_->Text1(1), Qt::Key_F5); }},
        {"Clear", [&] { QTest::mouseClick(form_->cmdExec(1), Qt::LeftButton); }},
        {"paste", [&] { QTest::keyClick(form_->Text1(1), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier); }},
        {"load", [&] { form_->LoadTexts(Texts(grid)); }},
        {"undo", [&] { QTest::keyClick(form_->Text1(1), Qt::Key_Z, Qt::ControlModifier); }},
    };
    QTest::keyClick(form_->Text1(1), Qt::Key_F6);
    QVERIFY(!Said().isEmpty());
    steps.at(then)();
    QVERIFY(Said().isEmpty());
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) {
      QVERIFY(form_->Text1(i)->CurrentOverlay() == noralim::ui::CellField::Overlay{});
    }
  }

  // The sentence follows the window: under it where there is room, above it
  // at the foot of the screen, inside the screen where the window is not,
  // and hidden while the window is minimised.
  void theSentenceStaysOnTheScreenBesideTheWindow() {
    const QRect screen = form_->screen()->availableGeometry();
    QTest::keyClick(form_->Text1(1), Qt::Key_F6);
    const QLabel* balloon = Balloon();
    QVERIFY(balloon != nullptr && balloon->isVisible());
    const int tall = form_->frameGeometry().height();
    const std::vector<std::pair<QPoint, bool>> places = {{screen.topLeft(), true},
                                                         {QPoint(screen.left(), screen.bottom() - tall - 5), false},
                                                         {QPoint(screen.right() - 100, screen.top() + 10), true}};
    for (const auto& [place, below] : places) {
      form_->move(place);
      QTRY_COMPARE(form_->frameGeometry().topLeft(), place);
      const QRect frame = form_->frameGeometry();
      const QRect said = balloon->frameGeometry();
      QVERIFY(screen.contains(said));
      QVERIFY(below ? said.top() > frame.bottom() : said.bottom() < frame.top());
    }
    form_->showMinimized();
    QVERIFY(!balloon->isVisible());
    form_->showNormal();
    QVERIFY(balloon->isVisible());
  }

  // Ctrl+1 to Ctrl+9 highlight their own digits, Ctrl+0 none.
  void ctrlAndADigitHighlightsThatDigit() {
    for (const int digit : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) {
      QTest::keyClick(form_->Text1(1), static_cast<Qt::Key>(Qt::Key_0 + digit), Qt::ControlModifier);
      QCOMPARE(form_->Text1(81)->CurrentOverlay().highlight, digit);
    }
  }

  // A load's digits are givens, the digits typed after it entries, and a
  // run's writes written, each drawn in its own colour; undo and redo bring
  // back the origins of their grid.
  void givensEntriesAndWritesKeepTheirOrigins() {
    using noralim::ui::Origin;
    form_->LoadTexts(Texts(kTwentyEight));
    const CellIndex given = noralim::CellAt(1, 1);
    const CellIndex typed = noralim::CellAt(1, 2);
    form_->Text1(typed)->setFocus(Qt::TabFocusReason);
    TypeInto(form_->Text1(typed), QStringLiteral("4"));
    QTest::keyClick(form_->Text1(typed), Qt::Key_F5);
    const auto origins = [&] { return std::pair(form_->Text1(given)->From(), form_->Text1(typed)->From()); };
    QCOMPARE(origins(), std::pair(Origin::Given, Origin::Entry));
    QCOMPARE(form_->Text1(noralim::CellAt(1, 3))->From(), Origin::Written);
    const noralim::ui::CellColors colors = noralim::ui::ColorsFor(form_->palette());
    QCOMPARE(form_->Text1(given)->palette().color(QPalette::Text), form_->palette().color(QPalette::Text));
    QCOMPARE(form_->Text1(typed)->palette().color(QPalette::Text), colors.entry);
    QTest::keyClick(form_->Text1(typed), Qt::Key_Z, Qt::ControlModifier);  // the run
    QTest::keyClick(form_->Text1(typed), Qt::Key_Z, Qt::ControlModifier);  // the typing
    QCOMPARE(origins(), std::pair(Origin::Given, Origin::Entry));
    QTest::keyClick(form_->Text1(typed), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(origins(), std::pair(Origin::Given, Origin::Entry));
    QCOMPARE(form_->Text1(typed)->palette().color(QPalette::Text), colors.entry);
  }

  // A rung from the context menu's "New puzzle" gives a puzzle of exactly
  // that rating, its digits givens, as one step; the title names the rung
  // and the seed that makes the same puzzle again; Ctrl+N gives the rung
  // chosen last.
  void newPuzzlesComeAtTheRungChosen() {
    const QList<QMenu*> menus = form_->findChildren<QMenu*>();
    const auto menu = std::find_if(menus.begin(), menus.end(),
                                   [](const QMenu* m) { return m->title() == QStringLiteral("New &puzzle"); });
    QVERIFY(menu != menus.end() && (*menu)->actions().size() == noralim::kLevelCount);
    (*menu)->actions().at(static_cast<int>(noralim::Level::Pairs) - 1)->trigger();
    QTest::keyClick(form_->Text1(1), Qt::Key_N, Qt::ControlModifier);
    std::vector<GridTexts> puzzles = {GridTexts{}};
    for (int k = 0; k < 2; ++k) {
      const QRegularExpressionMatch title =
          QRegularExpression(QStringLiteral("^pairs, seed (\\d+) \u2014 Noralim$")).match(form_->windowTitle());
      QVERIFY2(title.hasMatch(), qPrintable(form_->windowTitle()));
      const noralim::GeneratedPuzzle made =
          noralim::Generate(title.captured(1).toULongLong(), noralim::PuzzleOrder{noralim::Level::Pairs});
      QCOMPARE(noralim::Rate(noralim::OpenEmptyCells(made.givens)).level, noralim::Level::Pairs);
      const GridTexts shown = ReadAll(*form_);
      for (std::size_t c = 0; c < shown.size(); ++c) {
        QCOMPARE(shown[c], noralim::ToCellText(made.givens[c]));
        if (!shown[c].empty()) {
          QCOMPARE(form_->Text1(static_cast<CellIndex>(c + 1))->From(), noralim::ui::Origin::Given);
        }
      }
      puzzles.push_back(shown);
      if (k == 0) QTest::keyClick(form_->Text1(1), Qt::Key_Z, Qt::ControlModifier);  // back to the first
    }
    QVERIFY(puzzles[1] != puzzles[2]);
    QTest::keyClick(form_->Text1(1), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(ReadAll(*form_) == puzzles[0]);
  }

  // Loads make steps of their own, with no focus change between them, and
  // the oldest of more than a hundred steps are dropped.
  void aHundredStepsCanBeUndone() {
    const auto numbered = [](int k) {
      GridTexts texts{};
      texts[0] = *noralim::DecodeUtf8(std::to_string(k));
      return texts;
    };
    for (int k = 0; k <= 101; ++k) form_->LoadTexts(numbered(k));
    for (int k = 0; k < 101; ++k) form_->Undo();  // the last one only beeps
    QVERIFY(ReadAll(*form_) == numbered(1));
  }

  void cellsTellTheirPlaceAndSpellTheirText_data() {
    QTest::addColumn<CellText>("text");
    QTest::addColumn<QString>("description");
    QTest::newRow("empty") << CellText() << "empty";
    QTest::newRow("a value") << CellText(U"5") << "value 5";
    QTest::newRow("candidates") << CellText(U"1679") << "candidates 1, 6, 7, 9";
    QTest::newRow("a line break") << CellText(U"5\r\n")
                                  << "candidates 5, line break, marked: not a digit or candidates";
    QTest::newRow("a value repeated") << CellText(U"7") << "value 7, marked: 7 twice in box 3; 7 twice in row 1";
  }
  void cellsTellTheirPlaceAndSpellTheirText() {
    QFETCH(CellText, text);
    QFETCH(QString, description);
    form_->Grid().SetCellText(20, U"7");  // row 1, column 8
    form_->Grid().SetCellText(21, U"x");
    form_->Grid().SetCellText(21, text);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(form_->Text1(21));
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Row 1, column 9, box 3"));
    QCOMPARE(cell->text(QAccessible::Description), description);
    QCOMPARE(cell->childCount(), 0);  // one text, no inner parts
    const QString plain = form_->Text1(21)->toPlainText();
    QCOMPARE(cell->textInterface()->text(0, cell->textInterface()->characterCount()), plain);
  }

  // The cells' colours stand out from their background in light and dark
  // palettes, also where the palette's own colours would not.
  void theColoursAreReadable_data() {
    QTest::addColumn<QPalette>("palette");
    QPalette light(QColor(Qt::black), QColor(0xef, 0xef, 0xef), QColor(Qt::white), QColor(Qt::darkGray),
                   QColor(Qt::gray), QColor(Qt::black), QColor(Qt::white));
    QPalette dark(QColor(Qt::white), QColor(0x35, 0x35, 0x35), QColor(0x50, 0x50, 0x50), QColor(0x20, 0x20, 0x20),
                  QColor(0x40, 0x40, 0x40), QColor(Qt::white), QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x3d, 0x5a));  // 1.6:1 on the dark base
    dark.setColor(QPalette::Link, QColor(0x2a, 0x2a, 0xa0));
    QTest::newRow("light") << light;
    QTest::newRow("dark, with a dim highlight and link") << dark;
  }
  void theColoursAreReadable() {
    QFETCH(QPalette, palette);
    const noralim::ui::CellColors colors = noralim::ui::ColorsFor(palette);
    const QColor base = palette.color(QPalette::Base);
    QVERIFY(noralim::ui::ContrastRatio(colors.focus, base) >= 3.0);
    QVERIFY(noralim::ui::ContrastRatio(colors.written, base) >= 4.5);
    QVERIFY(noralim::ui::ContrastRatio(colors.entry, base) >= 4.5);
    // Entries apart from the runs' writes by hue, and from the givens' grey
    // text by colour.
    const int apart = std::abs(colors.entry.hslHue() - colors.written.hslHue());
    QVERIFY(std::min(apart, 360 - apart) >= 45 && colors.entry.hslSaturation() >= 80);
    QVERIFY(noralim::ui::ContrastRatio(colors.struck, base) >= 3.0);
    QVERIFY(noralim::ui::ContrastRatio(colors.conflict, colors.conflict_base) >= 4.5);
    QVERIFY(noralim::ui::ContrastRatio(palette.color(QPalette::Text), colors.conflict_base) >= 4.5);
  }

  void theEndOfARunIsCounted_data() {
    QTest::addColumn<GridTexts>("texts");
    QTest::addColumn<QString>("report");
    GridTexts some = Texts(kTwentyEight);
    some[40] = U"12";
    some[41] = U"5\r\n";
    QTest::newRow("empty") << GridTexts{} << "Calc finished: 0 of 81 cells settled, 0 open, 81 empty";
    QTest::newRow("givens, candidates and a digit with a line break")
        << some << "Calc finished: 28 of 81 cells settled, 1 open, 51 empty, 1 not a digit";
    GridTexts letters = some;
    letters[0] = U"a";
    letters[1] = U"\uFF15";  // a fullwidth 5
    letters[2] = U"\u0661";  // an Arabic-Indic 1
    letters[41] = U"0";
    QTest::newRow("a letter, '0' and digits of other scripts")
        << letters << "Calc finished: 27 of 81 cells settled, 1 open, 49 empty, 4 not digits";
    QTest::newRow("solved") << Texts(QStringLiteral(
                                   "849713625175269384236458971713982546524136798968574213452391867381627459697845132"))
                            << "Calc finished: 81 of 81 cells settled, 0 open";
  }
  void theEndOfARunIsCounted() {
    QFETCH(GridTexts, texts);
    QFETCH(QString, report);
    QCOMPARE(noralim::ui::RunReport(texts), report);
  }

  void aWrittenLineBreakReadsBackAsCrLf() {
    const QSignalSpy changes(form_->Text1(7), &QTextEdit::textChanged);
    form_->Grid().SetCellText(7, U"1\r2\n3\r\n\u00a0");
    QCOMPARE(form_->Grid().GetCellText(7), CellText(U"1\r\n2\r\n3\r\n\u00a0"));
    form_->Grid().SetCellText(7, form_->Grid().GetCellText(7));  // writing back what was read changes nothing
    QCOMPARE(changes.count(), 1);
  }

  void copyThenPasteGivesTheSameTexts_data() {
    QTest::addColumn<QString>("line");  // copied as the very same line
    QTest::newRow("givens copy as a puzzle line") << QString(kTwentyEight);
    QTest::newRow("a letter copies as JSON") << R"({"cells":["x")" + QString(R"(,"")").repeated(80) + "]}";
    // Longer than any line of a file: a JSON line on the clipboard is read whole.
    const QString full =
        QStringLiteral("\"%1\",").arg(QString(noralim::ui::CellField::kMaxCharacters, QLatin1Char('7')));
    QTest::newRow("16 full cells") << R"({"cells":[)" + full.repeated(16) + QString(R"("",)").repeated(64) + R"(""]})";
  }
  void copyThenPasteGivesTheSameTexts() {
    QFETCH(QString, line);
    form_->LoadTexts(Texts(line));
    QTest::keyClick(form_->Text1(5), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), line);
    QTest::mouseClick(form_->cmdExec(1), Qt::LeftButton);
    QTest::keyClick(form_->Text1(9), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(ReadAll(*form_) == Texts(line));
  }

  // A puzzle pastes into the grid, as one step, in the forms people copy it
  // in: with Ctrl+Shift+V anywhere, or with Ctrl+V into a cell; anything
  // else that Ctrl+V pastes goes into the cell.
  void pasteTakesTheFirstPuzzleAndNothingElse_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("intoTheCell");  // Ctrl+V, else Ctrl+Shift+V
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("refusal");  // what the window says of a text it does not take as a grid
    QString rows = QStringLiteral("+-------+-------+-------+\n");
    QString candidates;
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        const QChar given = QLatin1Char(kContradictory[9 * r + c]);
        rows += (c % 3 == 0 ? QStringLiteral("| ") : QString()) + given + QLatin1Char(' ');
        for (int d = 1; d <= 9; ++d) {
          candidates += given.digitValue() == d ? QChar(u'0' + d) : QLatin1Char('.');  // no candidate: empty
        }
      }
      rows += QStringLiteral("|\n") + (r % 3 == 2 ? QStringLiteral("+-------+-------+-------+\n") : QString());
    }
    const QString tenth = rows + QStringLiteral("| 1 . . | . . . | . . . |\n");
    QTest::newRow("after a comment, with Windows line ends") << "# mail\r\n" + QString(kContradictory) + "\r\n"
                                                             << false << true << QString();
    QTest::newRow("nine rows with borders") << rows << false << true << QString();
    QTest::newRow("nine rows, into a cell") << rows << true << true << QString();
    QTest::newRow("729 candidates, into a cell") << candidates << true << true << QString();
    QTest::newRow("a line of a puzzle, into a cell")
        << rows.section(QLatin1Char('\n'), 1, 1) << true << false << QString();
    QTest::newRow("prose") << "call me at five" << false << false
                           << "clipboard:1: unexpected character 'c' at column 1";
    QTest::newRow("80 cells") << QString(80, QLatin1Char('.')) << false << false
                              << "clipboard:1: expected 81 cells, got 80";
    QTest::newRow("broken JSON") << R"({"cells": ["1")" << false << false << "clipboard:1: invalid JSON: ";
    QTest::newRow("after a rejected line")
        << "oops\n" + QString(kContradictory) << false << false << "clipboard:1: unexpected character 'o' at column 1";
    QTest::newRow("ten rows") << tenth << false << false
                              << "clipboard:14: a tenth row: a grid has 9 rows (a blank line ends one)";
    QTest::newRow("ten rows, into a cell")
        << tenth << true << false << "clipboard:14: a tenth row: a grid has 9 rows (a blank line ends one)";
  }
  void pasteTakesTheFirstPuzzleAndNothingElse() {
    QFETCH(QString, clipboard);
    QFETCH(bool, intoTheCell);
    QFETCH(bool, taken);
    form_->LoadTexts(Texts(kTwentyEight), QStringLiteral("a.sdk"));
    QGuiApplication::clipboard()->setText(clipboard);
    GridTexts expected = Texts(taken ? kContradictory : kTwentyEight);
    QFETCH(QString, refusal);
    if (intoTheCell && !taken && refusal.isEmpty()) expected[8] += *noralim::DecodeUtf8(clipboard.toStdString());
    form_->Text1(9)->setFocus(Qt::MouseFocusReason);
    form_->Text1(9)->moveCursor(QTextCursor::End);
    QTest::keyClick(form_->Text1(9), Qt::Key_V,
                    Qt::ControlModifier | (intoTheCell ? Qt::NoModifier : Qt::ShiftModifier));
    QVERIFY(ReadAll(*form_) == expected);
    QCOMPARE(form_->windowTitle().startsWith(QStringLiteral("a.sdk")), !taken);  // the name goes with its grid
    if (!taken) return;
    QTest::keyClick(form_->Text1(9), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(ReadAll(*form_) == Texts(kTwentyEight));
  }

  // The cells' names, and the places the step sentences name: one cell of a
  // line, cells of a box on one line, cells of a box apart.
  void aJapaneseLocaleNamesCellsAndPlacesInJapanese() {
    using noralim::CellAt;
    using noralim::UnitKind;
    const auto places = [] {
      return QStringList{noralim::ui::Of(noralim::ui::PlacesIn(UnitKind::Column, {CellAt(9, 3)}),
                                         noralim::ui::UnitName(UnitKind::Column, 3)),
                         noralim::ui::PlacesIn(UnitKind::Box, {CellAt(7, 4), CellAt(9, 4)}),
                         noralim::ui::PlacesIn(UnitKind::Box, {CellAt(4, 8), CellAt(5, 7), CellAt(6, 9)})};
    };
    QCOMPARE(places(), (QStringList{"row 9 of column 3", "rows 7 and 9 of column 4", "r4c8, r5c7 and r6c9"}));
    QTranslator japanese;
    QVERIFY(japanese.load(QLocale(QLocale::Japanese), QStringLiteral("noralim"), QStringLiteral("_"),
                          QStringLiteral(":/i18n")));
    QCoreApplication::installTranslator(&japanese);
    const Form1 form;
    const QStringList in_japanese = places();
    QCoreApplication::removeTranslator(&japanese);
    QCOMPARE(form.Text1(CellAt(3, 7))->accessibleName(), QStringLiteral("3行 7列、ブロック 3"));
    QCOMPARE(in_japanese, (QStringList{"3列の9行", "4列の7 と 9 行", "4行8列、5行7列 と 6行9列"}));
  }

  // The window opens with the operand's puzzle, each cell drawn as the same
  // grid pasted into the open window draws it, at the size it had when it
  // was last closed.
  void anOperandOpensTheWindowWithItsPuzzle() {
    QTemporaryFile file;
    QVERIFY(file.open());
    GridTexts texts = Texts(kContradictory);
    texts[1] = U"36789";
    texts[4] = U"1245689";
    for (int place = 0; place < noralim::kCellCount; ++place) {  // row-major
      const CellText& text = texts[static_cast<std::size_t>(noralim::CellAt(place / 9 + 1, place % 9 + 1) - 1)];
      for (char d = '1'; d <= '9'; ++d) file.putChar(text.find(char32_t(d)) != CellText::npos ? d : '.');
    }
    file.close();
    const std::vector<std::string> args = {"-style", "fusion", "-reverse", "-platform=offscreen",
                                           file.fileName().toStdString()};
    const auto command = noralim::ui::ParseStartup(args, noralim::ui::CellField::kMaxCharacters);
    const auto& open = std::get<noralim::ui::OpenWindow>(command);
    QVERIFY((open.toolkit_args == std::vector<std::string>{"-style", "fusion", "-reverse", "-platform", "offscreen"}));
    std::unique_ptr<Form1> form = noralim::ui::OpenForm(open);
    QVERIFY(form->isVisible() && Idle(*form));
    QVERIFY(ReadAll(*form) == texts);
    form_->LoadTexts(texts);
    for (CellIndex i = 2; i <= noralim::kCellCount; ++i) {  // cell 1 has the focus in one of them
      QCOMPARE(form->Text1(i)->grab().toImage(), form_->Text1(i)->grab().toImage());
    }
    form->resize(700, 800);
    form->close();
    form = noralim::ui::OpenForm(noralim::ui::OpenWindow{});
    QCOMPARE(form->size(), QSize(700, 800));
  }

 private:
  QTemporaryDir settings_;
  std::unique_ptr<Form1> form_;
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
