// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// "Calc" in the window: busy while it lasts and idle after, the same run as
// in memory, edits in the middle taken as they come, and a window closed in
// the middle stopping the run without another write.
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QToolTip>
#include <QtTest>
#include <vector>

#include "solver/memorygrid.h"
#include "tests/ui/windowdriver.h"
#include "ui/cellstyle.h"

using noralim::CellIndex;
using noralim::GridTexts;
using noralim::ui::Form1;
using namespace noralim::uitest;

namespace {

// The grid after each changing write of an undisturbed run in memory:
// element n is the grid once the n-th write is in place, element 0 the start.
std::vector<GridTexts> StatesOfTheRun(const GridTexts& start) {
  noralim::MemoryGrid memory(start);
  std::vector<GridTexts> states{start};
  memory.SetChangeHandler([&](CellIndex) { states.push_back(memory.Texts()); });
  noralim::NullWindowServices none;
  noralim::RunSolve(static_cast<noralim::CellGrid&>(memory), static_cast<noralim::WindowServices&>(none));
  return states;
}

bool Busy(const Form1& form) {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::WaitCursor && !form.cmdExec(0)->isEnabled() &&
         form.cmdExec(1)->isEnabled();
}

}  // namespace

class RunsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { qDeleteAll(QApplication::topLevelWidgets()); }

  // With an edit at the n-th write, the run goes on from what the cells then
  // hold and ends where a run from the edited texts alone ends.
  void theWindowRunsAsTheGridInMemory_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("equivalent");  // the start the run ends like
    const QString empty(81, QLatin1Char('.'));
    const QString odd = R"(["a","５","5\r\n","","1")" + QString(R"(,"")").repeated(76) + "]";
    QTest::newRow("28 givens") << kTwentyEight << 0 << "" << kTwentyEight;
    QTest::newRow("contradictory givens") << kContradictory << 0 << "" << kContradictory;
    QTest::newRow("a letter, a full-width digit and a line break") << odd << 0 << "" << odd;
    QTest::newRow("Clear in a run of contradictory givens") << kContradictory << 10 << "clear" << empty;
    QTest::newRow("a digit typed into the empty grid") << empty << 1 << "type" << empty.left(80) + "5";
    QTest::newRow("a puzzle pasted with Ctrl+Shift+V") << empty << 30 << "paste" << kTwentyEight;
  }
  void theWindowRunsAsTheGridInMemory() {
    QFETCH(QString, start);
    QFETCH(int, at);
    QFETCH(QString, edit);
    QFETCH(QString, equivalent);
    Form1 form;
    form.show();
    form.LoadTexts(Texts(start));
    QGuiApplication::clipboard()->setText(kTwentyEight);
    bool busy = true;
    OnEveryChange(form, this, [&](int n) {
      busy = busy && Busy(form);
      if (n != at) return;
      if (edit == "clear") QTest::mouseClick(form.cmdExec(1), Qt::LeftButton);
      if (edit == "type") TypeInto(form.Text1(81), QStringLiteral("5"));
      if (edit == "paste") QTest::keyClick(form.Text1(1), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    });
    QTest::mouseClick(form.cmdExec(0), Qt::LeftButton);
    QVERIFY(busy && Idle(form));
    const GridTexts seen = ReadAll(form);
    QVERIFY(seen == StatesOfTheRun(Texts(equivalent)).back());
    const GridTexts before = Texts(start);
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) {
      // A cell that no write ever changed keeps the font it was made with.
      const auto k = static_cast<std::size_t>(i - 1);
      if (before[k].empty() && seen[k].empty()) continue;
      const auto style = noralim::ui::CellStyleFor(seen[k].size());
      QVERIFY(form.Text1(i)->font().pointSizeF() == style.points && form.Text1(i)->font().bold() == style.bold);
    }
  }

  // A run is one step of the history, undone whole; undo in the middle of a
  // run changes nothing. Its end is told to assistive technology.
  void aRunIsOneStepAndItsEndIsAnnounced() {
    Form1 form;
    form.show();
    form.LoadTexts(Texts(kTwentyEight));
    OnEveryChange(form, this, [&](int n) {
      if (n == 5) QTest::keyClick(form.Text1(1), Qt::Key_Z, Qt::ControlModifier);
    });
    QTest::mouseClick(form.cmdExec(0), Qt::LeftButton);
    const GridTexts solved = ReadAll(form);
    QVERIFY(solved == StatesOfTheRun(Texts(kTwentyEight)).back());
    // What the alert at the end of the run points to (the offscreen platform
    // has no accessibility bridge to see the alert itself).
    QCOMPARE(QAccessible::queryAccessibleInterface(&form)->text(QAccessible::Description),
             QStringLiteral("solved in 7 sweeps. Calc finished: 81 of 81 cells settled, 0 open"));
    QTest::keyClick(form.Text1(1), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(ReadAll(form) == Texts(kTwentyEight));
    QTest::keyClick(form.Text1(1), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(ReadAll(form) == solved);
  }

  // After a run the title says how it ended, until the grid is edited; the
  // digits the run wrote differ from the user's, and conflicts are marked.
  void theEndOfARunShows_data() {
    QTest::addColumn<QString>("puzzle");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("conflicts");
    QTest::newRow("solved") << kTwentyEight << "solved in 7 sweeps \u2014 Noralim" << QList<int>{};
    QTest::newRow("open") << "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......"
                          << "61 cells open after 4 sweeps \u2014 Noralim" << QList<int>{};
    QTest::newRow("two 5s in a box") << "5.........5" + QString(70, QLatin1Char('.'))
                                     << "contradiction: 5 twice in box 1 \u2014 Noralim" << QList<int>{1, 5};
    QTest::newRow("contradiction") << "...1234...9......." + QString(9, QLatin1Char('.')) +
                                          "5........6........7........8" + QString(26, QLatin1Char('.'))
                                   << "contradiction: row 1, column 1 has no candidate left \u2014 Noralim"
                                   << QList<int>{1};
    // The run stops at the first repeat it meets, the 1s of box 2; every
    // other repeat of the givens is marked as well.
    QTest::newRow("repeats") << kContradictory << "contradiction: 1 twice in box 2 \u2014 Noralim"
                             << QList<int>{10, 13, 15, 18, 25, 27, 32, 46, 47, 59, 65, 70, 72};
  }
  void theEndOfARunShows() {
    QFETCH(QString, puzzle);
    QFETCH(QString, title);
    QFETCH(QList<int>, conflicts);
    Form1 form;
    form.show();
    const GridTexts start = Texts(puzzle);
    form.LoadTexts(start);
    QTest::keyClick(form.Text1(1), Qt::Key_F5);
    QCOMPARE(form.windowTitle(), title);
    // In full over the grid, where a title bar may cut it short.
    QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), form.Text1(41)->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(form.Text1(41)->viewport(), &hover);
    QCOMPARE(QToolTip::text() + QStringLiteral(" \u2014 Noralim"), title);
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) {
      const auto k = static_cast<std::size_t>(i - 1);
      const bool changed = ReadAll(form)[k] != start[k];
      // Without contradictions a run never rewrites what it leaves unchanged.
      if (changed || conflicts.isEmpty()) QCOMPARE(form.Text1(i)->Written(), changed);
      QCOMPARE(form.Text1(i)->Conflict(), conflicts.contains(i));
    }
    TypeInto(form.Text1(81), QStringLiteral("x"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Noralim"));
    QVERIFY(form.toolTip().isEmpty());
    QVERIFY(form.Text1(81)->Conflict() && !form.Text1(81)->Written());
    QTest::mouseClick(form.cmdExec(1), Qt::LeftButton);  // no mark outlives a Clear, on any cell
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) QVERIFY(!form.Text1(i)->Conflict());
  }

  // A step of Next step is written into the cells it changes alone, as a run
  // is, and leaves no outcome in the title; a Clear or a paste while it is
  // written stops the rest of it, typing elsewhere stays.
  void aStepBeingTakenGivesWayToTheUser_data() {
    QTest::addColumn<QString>("edit");
    for (const char* edit : {"Clear", "paste", "typing"}) QTest::newRow(edit) << edit;
  }
  void aStepBeingTakenGivesWayToTheUser() {
    QFETCH(QString, edit);
    Form1 form;
    form.show();
    // Pointing: 9 goes from column 7 outside box 3, in several cells.
    form.LoadTexts(Texts(".......124...9...........5..7.2.....6.....4.....1.8....18..........3.7..5.2......"),
                   QStringLiteral("steps.txt"));
    QTest::keyClick(form.Text1(1), Qt::Key_F5);
    const GridTexts before = ReadAll(form);
    QTest::keyClick(form.Text1(1), Qt::Key_F6);
    QTest::keyClick(form.Text1(1), Qt::Key_F6);
    GridTexts expected = ReadAll(form);
    QCOMPARE(form.windowTitle(), QStringLiteral("steps.txt \u2014 Noralim"));
    int changed = 0;
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) {
      const auto k = static_cast<std::size_t>(i - 1);
      if (expected[k] == before[k]) continue;
      ++changed;
      QVERIFY(form.Text1(i)->Written());
    }
    QVERIFY(changed > 1 && expected[80] == before[80]);
    QTest::keyClick(form.Text1(1), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(ReadAll(form) == before);
    if (edit == "Clear") expected = GridTexts{};
    if (edit == "paste") expected = Texts(kTwentyEight);
    if (edit == "typing") expected[80] = noralim::CellText(1, U'5');
    QGuiApplication::clipboard()->setText(kTwentyEight);
    QTest::keyClick(form.Text1(1), Qt::Key_F6);
    OnEveryChange(form, this, [&](int n) {
      if (n != 1) return;
      if (edit == "Clear") QTest::mouseClick(form.cmdExec(1), Qt::LeftButton);
      if (edit == "paste") QTest::keyClick(form.Text1(1), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
      if (edit != "typing") return;
      QTest::keyClick(form.Text1(81), Qt::Key_A, Qt::ControlModifier);
      TypeInto(form.Text1(81), QStringLiteral("5"));
    });
    QTest::keyClick(form.Text1(1), Qt::Key_F6);
    QVERIFY(ReadAll(form) == expected && Idle(form));
  }

  // Space on "Calc", then Space again while it runs, does not reach "Clear":
  // the focus stays off it and comes back to "Calc" at the end.
  void spaceSpaceOnCalcLeavesTheGrid() {
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.LoadTexts(Texts(kTwentyEight));
    form.cmdExec(0)->setFocus(Qt::TabFocusReason);
    OnEveryChange(form, this, [&](int n) {
      if (n == 1) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    });
    QTest::keyClick(form.cmdExec(0), Qt::Key_Space);
    QVERIFY(ReadAll(form) == StatesOfTheRun(Texts(kTwentyEight)).back());
    QCOMPARE(QApplication::focusWidget(), form.cmdExec(0));
    QTest::keyClick(form.cmdExec(1), Qt::Key_Return);  // Enter presses a button too
    QVERIFY(ReadAll(form) == GridTexts{});
  }

  // With a pace, a run waits after each changed cell, answering meanwhile,
  // and ends where a run at full speed ends.
  void aPacedRunCanBeFollowed() {
    Form1 form;
    form.show();
    form.SetPace(30);
    form.LoadTexts(Texts(kTwentyEight));
    QElapsedTimer clock;
    std::vector<qint64> at;
    OnEveryChange(form, this, [&](int n) {
      if (n == 1) clock.start();
      if (n <= 4) at.push_back(clock.elapsed());
      if (n == 4) form.SetPace(0);  // the rest at full speed
    });
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
    ticker.start(5);
    QTest::mouseClick(form.cmdExec(0), Qt::LeftButton);
    for (std::size_t k = 1; k < at.size(); ++k) QVERIFY(at[k] - at[k - 1] >= 30);
    QVERIFY(ticks > 0);
    QVERIFY(ReadAll(form) == StatesOfTheRun(Texts(kTwentyEight)).back());
  }

  void closingMidRunStopsBeforeTheNextWrite_data() {
    QTest::addColumn<QString>("puzzle");
    QTest::addColumn<int>("closeAt");  // the write whose notification closes the window
    QTest::addColumn<bool>("queued");  // the close comes through the event pump
    QTest::addColumn<bool>("deleteOnClose");
    QTest::newRow("at the first write") << kTwentyEight << 1 << false << false;
    QTest::newRow("through the pump, deleted on close") << kTwentyEight << 120 << true << true;
    QTest::newRow("in a run that stops, deleted on close") << kContradictory << 18 << false << true;
    QTest::newRow("through the pump in a run that stops") << kContradictory << 20 << true << false;
  }
  void closingMidRunStopsBeforeTheNextWrite() {
    QFETCH(QString, puzzle);
    QFETCH(int, closeAt);
    QFETCH(bool, queued);
    QFETCH(bool, deleteOnClose);
    const std::vector<GridTexts> states = StatesOfTheRun(Texts(puzzle));
    QVERIFY(closeAt < static_cast<int>(states.size()));
    auto* form = new Form1;
    const QPointer<Form1> alive(form);
    form->setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
    form->show();
    form->LoadTexts(Texts(puzzle));
    int writes = 0;
    OnEveryChange(*form, this, [&](int n) {
      writes = n;
      if (n != closeAt) return;
      if (!queued) return void(form->close());
      // A click on "Clear" waiting behind the close writes nothing either.
      QMetaObject::invokeMethod(form, &QWidget::close, Qt::QueuedConnection);
      QMetaObject::invokeMethod(form->cmdExec(1), &QPushButton::click, Qt::QueuedConnection);
    });
    QTest::mouseClick(form->cmdExec(0), Qt::LeftButton);
    QVERIFY2(!alive.isNull(), "the window went while its command still ran");
    // A close through the pump lands at the next event processing: in the
    // notification of the next write, or in the sweep's own step before it.
    QVERIFY(writes == closeAt || (queued && writes == closeAt + 1));
    QVERIFY(ReadAll(*form) == states[static_cast<std::size_t>(writes)]);
    QVERIFY(Idle(*form));
    if (deleteOnClose) {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else {
      delete form;
    }
    QVERIFY(alive.isNull());
  }
};

QTEST_MAIN(RunsTest)
#include "runs_test.moc"
