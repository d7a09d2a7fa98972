// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Next step, Check and the highlight in the window, on named grids: what is
// said, what is marked, and that nothing changes a cell but taking a step,
// which is one step of the history.
#include <QtTest>
#include <array>

#include "tests/ui/windowdriver.h"

using noralim::CellIndex;
using noralim::GridTexts;
using noralim::ui::Form1;
using namespace noralim::uitest;

class AdviceTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<Form1>();
    form_->show();
  }
  void cleanup() { form_.reset(); }

  // F6 says the simplest step and marks it, changing no cell; F6 again takes
  // it, placing the digit it circles, as one step that one undo takes back.
  void nextStepShowsThenTakes_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("a hidden single")
        << ".......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8.6..."
        << "Hidden single: 4 fits only in row 9 of column 3, so it goes there.";
    QTest::newRow("a locked candidate")
        << ".......124...9...........5..7.2.....6.....4.....1.8....18..........3.7..5.2......"
        << "Pointing: in box 3, 9 fits only in column 7, so 9 goes from the rest of column 7.";
    QTest::newRow("a hidden pair")
        << "....81...52.......3......9.2.63........7..1.4......8......2..5..41..............."
        << "Hidden pair 1 8 in box 8: 1 and 8 fit only in rows 7 and 9 of column 4, so the other candidates there "
           "go.";
    QTest::newRow("a hidden single in a line")
        << ".......61.5..3...................25.6..4.........5.3...2....73.4..6.1......8....."
        << "Hidden single: 6 fits only in row 9 of column 7, so it goes there.";
    QTest::newRow("an X-wing")
        << R"({"cells":["25","3","8","1259","269","1269","69","7","4","69","1","7","8","3","4","69","5","2","25","4",)"
           R"("69","259","7","269","3","8","1","3","8","69","4","1","7","5","2","69","7","29","1","6","29","5","8","4",)"
           R"("3","4","269","5","239","8","239","7","1","69","8","5","3","29","4","269","1","69","7","1","69","2","7",)"
           R"("69","8","4","3","5","69","7","4","13","5","13","2","69","8"]})"
        << "X-wing on 9: in rows 5 and 8, 9 fits only in columns 2 and 5, so 9 goes from the rest of columns 2 and 5.";
  }
  void nextStepShowsThenTakes() {
    QFETCH(QString, grid);
    QFETCH(QString, sentence);
    form_->LoadTexts(Texts(grid));
    if (!grid.startsWith(QLatin1Char('{'))) QTest::keyClick(form_->Text1(1), Qt::Key_F5);
    const GridTexts before = ReadAll(*form_);
    QTest::keyClick(form_->Text1(1), Qt::Key_F6);
    QCOMPARE(Said(), sentence);
    QVERIFY(ReadAll(*form_) == before);
    std::vector<CellIndex> marked;
    std::array<int, noralim::kCellCount> placed{};  // the digit circled in each cell, or 0
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) {
      const auto& overlay = form_->Text1(i)->CurrentOverlay();
      if (overlay.removed != noralim::DigitSet() || overlay.placed != 0) marked.push_back(i);
      placed[static_cast<std::size_t>(i - 1)] = overlay.placed;
    }
    QVERIFY(!marked.empty());
    QTest::keyClick(form_->Text1(1), Qt::Key_F6);
    const GridTexts after = ReadAll(*form_);
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) {
      const auto k = static_cast<std::size_t>(i - 1);
      QCOMPARE(after[k] != before[k], std::find(marked.begin(), marked.end(), i) != marked.end());
      if (placed[k] != 0) QVERIFY(after[k] == noralim::CellText(1, static_cast<char32_t>(U'0' + placed[k])));
    }
    QVERIFY(Said().isEmpty());
    QTest::keyClick(form_->Text1(1), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(ReadAll(*form_) == before);
  }

  // With more than one solution, or none, there is no step to show.
  void nextStepSaysWhenThereIsNone_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("a clue taken away")
        << ".......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8....."
        << "The grid as it stands has more than one solution.";
    QTest::newRow("a wrong clue added")
        << "9......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8.6..."
        << "The grid as it stands has no solution: Check (F7) finds what is wrong.";
  }
  void nextStepSaysWhenThereIsNone() {
    QFETCH(QString, grid);
    QFETCH(QString, sentence);
    form_->LoadTexts(Texts(grid));
    QTest::keyClick(form_->Text1(1), Qt::Key_F6);
    QCOMPARE(Said(), sentence);
    QVERIFY(ReadAll(*form_) == Texts(grid));
  }

  // A wrong digit is found and marked, and nothing else: an entry typed
  // after the givens, before any given; a given only when the givens alone
  // have no solution. Typing the right digit takes the mark away.
  void checkBlamesEntriesBeforeGivens_data() {
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<bool>("calc");      // pressed after the load
    QTest::addColumn<QString>("typed");  // entries, '.' for none
    QTest::addColumn<int>("wrong");      // the cell blamed, row-major place
    QTest::addColumn<QString>("sentence");
    const QString puzzle =
        QStringLiteral(".......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8.6...");
    const QString none(81, QLatin1Char('.'));
    QTest::newRow("an entry after the givens and Calc")
        << puzzle << true << "5" + none.mid(1) << 0 << "The 5 at row 1, column 1 is wrong.";
    QTest::newRow("entries only") << none << false << "5" + puzzle.mid(1) << 0
                                  << "The 5 at row 1, column 1 is wrong: without it the puzzle has one solution.";
    QTest::newRow("a given, when the givens contradict") << "5" + puzzle.mid(1) << false << ".9" + none.mid(2) << 0
                                                         << "The 5 at row 1, column 1 is wrong: without it the puzzle "
                                                            "has one solution.";
  }
  void checkBlamesEntriesBeforeGivens() {
    QFETCH(QString, loaded);
    QFETCH(bool, calc);
    QFETCH(QString, typed);
    QFETCH(int, wrong);
    QFETCH(QString, sentence);
    form_->LoadTexts(Texts(loaded));
    if (calc) QTest::keyClick(form_->Text1(1), Qt::Key_F5);
    for (int place = 0; place < noralim::kCellCount; ++place) {
      if (typed[place] == QLatin1Char('.')) continue;
      QWidget* cell = form_->Text1(noralim::CellAt(place / 9 + 1, place % 9 + 1));
      QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
      TypeInto(cell, typed.mid(place, 1));
    }
    const CellIndex blamed = noralim::CellAt(wrong / 9 + 1, wrong % 9 + 1);
    const GridTexts before = ReadAll(*form_);
    QTest::keyClick(form_->Text1(blamed), Qt::Key_F7);
    QCOMPARE(Said(), sentence);
    QVERIFY(ReadAll(*form_) == before);
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) QCOMPARE(form_->Text1(i)->Conflict(), i == blamed);
    QTest::keyClick(form_->Text1(blamed), Qt::Key_A, Qt::ControlModifier);
    TypeInto(form_->Text1(blamed), QStringLiteral("6"));
    QVERIFY(!form_->Text1(blamed)->Conflict() && Said().isEmpty());
  }

  // A cell whose candidates have lost the right digit is marked as well;
  // the marks go with the puzzle they were found on.
  void checkFindsCandidatesThatLostTheRightDigit() {
    GridTexts texts = Texts(kTwentyEight);
    const auto at = [&](int row, int column) -> noralim::CellText& {
      return texts[static_cast<std::size_t>(noralim::CellAt(row, column) - 1)];
    };
    at(1, 2) = U"1235";  // 4 in the solution
    at(1, 3) = U"49";    // 9 in the solution
    form_->LoadTexts(texts);
    QTest::keyClick(form_->Text1(1), Qt::Key_F7);
    QCOMPARE(Said(), QStringLiteral("1 cell disagrees with the one solution."));
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) {
      QCOMPARE(form_->Text1(i)->Conflict(), i == noralim::CellAt(1, 2));
    }
    at(1, 1).clear();  // another puzzle, with the same candidates there
    form_->LoadTexts(texts);
    QVERIFY(!form_->Text1(noralim::CellAt(1, 2))->Conflict() && Said().isEmpty());
  }

  // Ctrl+digit highlights the digit everywhere; Escape takes it away with
  // the step shown.
  void escapeTakesAwayTheHighlightAndTheStep() {
    form_->LoadTexts(Texts(kTwentyEight));
    QTest::keyClick(form_->Text1(1), Qt::Key_5, Qt::ControlModifier);
    QTest::keyClick(form_->Text1(1), Qt::Key_F6);
    QCOMPARE(form_->Text1(81)->CurrentOverlay().highlight, 5);
    QVERIFY(!Said().isEmpty());
    QTest::keyClick(form_->Text1(1), Qt::Key_Escape);
    for (CellIndex i = 1; i <= noralim::kCellCount; ++i) {
      QVERIFY(form_->Text1(i)->CurrentOverlay() == noralim::ui::CellField::Overlay{});
    }
    QVERIFY(Said().isEmpty());
  }

 private:
  std::unique_ptr<Form1> form_;
};

QTEST_MAIN(AdviceTest)
#include "advice_test.moc"
