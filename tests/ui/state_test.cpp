// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The state the window keeps, the grid's compact history, and puzzle files
// opened and saved.
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "reader/source.h"
#include "tests/ui/windowdriver.h"
#include "ui/startup.h"
#include "ui/statecodec.h"

using noralim::CellText;
using noralim::GridTexts;
using noralim::ui::Form1;
using noralim::ui::GridHistory;
using noralim::ui::KeptGrid;
using noralim::ui::Origin;
using noralim::ui::StateFile;
using noralim::ui::WindowState;
using namespace noralim::uitest;

namespace {

// A puzzle as it comes in: every text a given.
KeptGrid Kept(const QString& line, std::string source) {
  KeptGrid grid{Texts(line), {}, std::move(source)};
  grid.kinds.fill(Origin::Given);
  return grid;
}

// A history of four steps, one of them undone, with texts of every kind and
// the puzzle's source changing.
WindowState SampleState() {
  GridHistory history(KeptGrid{});
  history.Record(Kept(kTwentyEight, "puzzles.txt:4"));
  KeptGrid typed = history.Current();
  typed.texts[1] = U"5\r\n\U0001F600\"\\";
  typed.kinds[1] = Origin::Entry;
  history.Record(typed);
  typed.texts[2] = U"1379";
  typed.kinds[2] = Origin::Written;
  history.Record(typed);
  history.Record(Kept(kContradictory, "puzzles.txt:14"));
  history.Undo();
  return {history, {"puzzles.txt:4", "/tmp/puzzles.txt", 4}, "solved in 7 sweeps", 5};
}

std::string Encoded() { return noralim::ui::EncodeState(SampleState()); }

}  // namespace

class StateTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // What is written reads back as the same history, which undoes and
  // redoes as the one written did.
  void aStateReadsBackAsWritten() {
    WindowState written = SampleState();
    auto decoded = noralim::ui::DecodeState(noralim::ui::EncodeState(written));
    QVERIFY(std::holds_alternative<WindowState>(decoded));
    auto& read = std::get<WindowState>(decoded);
    QVERIFY(read.history.Current() == written.history.Current());
    QCOMPARE(read.history.At(), std::size_t{3});
    QVERIFY(read.source == written.source);
    QCOMPARE(read.outcome, written.outcome);
    QCOMPARE(read.highlight, 5);
    for (int k = 0; k < 4; ++k) QVERIFY(read.history.Undo() == written.history.Undo());
    for (int k = 0; k < 5; ++k) QVERIFY(read.history.Redo() == written.history.Redo());
  }

  // A file that is no state this program can read opens nothing, is kept
  // aside byte for byte under a name no earlier one has, and says why.
  void anUnreadableStateIsKeptAside_data() {
    QTest::addColumn<QByteArray>("content");
    const QByteArray state = QByteArray::fromStdString(Encoded());
    QByteArray newer = state;
    newer.replace("\"version\":1", "\"version\":2");
    QByteArray unfitting = state;
    unfitting.replace(unfitting.lastIndexOf("1379"), 4, "1378");  // a step that does not undo onto the grid
    QTest::newRow("junk") << QByteArray("\x00\xff junk", 7);
    QTest::newRow("cut short") << state.left(state.size() / 2);
    QTest::newRow("from a newer version") << newer;
    QByteArray huge = state;
    huge.replace("\"version\":1", "\"version\":7.7e80");
    QTest::newRow("a version out of every range") << huge;
    QByteArray fraction = state;
    fraction.replace("\"highlight\":5", "\"highlight\":5.5");
    QTest::newRow("a fraction for a digit") << fraction;
    QTest::newRow("steps that do not fit") << unfitting;
    QTest::newRow("nested deep") << QByteArray(100000, '[');
  }
  void anUnreadableStateIsKeptAside() {
    QFETCH(QByteArray, content);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.json"));
    for (const QString& name : {path, path + ".unreadable"}) {
      QFile file(name);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
    }
    const StateFile::Read read = StateFile(path).Load();
    QVERIFY(!read.state.has_value());
    QVERIFY(read.notice.contains(QStringLiteral("state.json.unreadable2")));
    QFile aside(path + ".unreadable2");
    QVERIFY(!QFile::exists(path) && aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), content);
  }

  // Typing, a load and a highlight, the window closed: the next window has
  // them back, title and history and all. Two windows keeping one file
  // leave it whole, as the one that wrote last left it.
  void theWindowOpensAsItWasLeft() {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.json"));
    const auto open = [&] {
      auto form = std::make_unique<Form1>();
      form->KeepState(std::make_unique<StateFile>(path));
      form->show();
      return form;
    };
    auto first = open();
    auto second = open();
    second->LoadTexts(Texts(kTwentyEight));
    second.reset();  // its state written whole, then written over
    first->LoadTexts(Texts(kContradictory));
    first->SetSource(noralim::ui::PuzzleSource{"p.txt:3", "/p.txt", 3});
    first->Text1(1)->setFocus();
    TypeInto(first->Text1(1), QStringLiteral("6"));
    first->HighlightDigit(6);
    first->close();
    first.reset();
    auto again = open();
    GridTexts typed = Texts(kContradictory);
    typed[0] = U"6";
    QVERIFY(ReadAll(*again) == typed);
    QCOMPARE(again->windowTitle(), QStringLiteral("p.txt:3 \u2014 Noralim"));
    QCOMPARE(again->Text1(1)->CurrentOverlay().highlight, 6);
    again->Undo();
    QVERIFY(ReadAll(*again) == Texts(kContradictory));
    again->Undo();
    QVERIFY(ReadAll(*again) == GridTexts{});
  }

  // Typing still in its cell, the window never closed (as when it is
  // killed): after a short pause the file has it. The history still takes
  // the typing in one cell as one step.
  void typingIsKeptBeforeItsCellIsLeft() {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.json"));
    Form1 form;
    form.KeepState(std::make_unique<StateFile>(path));
    form.show();
    form.LoadTexts(Texts(kContradictory));
    form.Text1(1)->setFocus();
    TypeInto(form.Text1(1), QStringLiteral("6"));
    GridTexts typed = Texts(kContradictory);
    typed[0] = U"6";
    const auto saved = [&] {
      const StateFile::Read read = StateFile(path).Load();
      return read.state && read.state->history.Current().texts == typed;
    };
    QTRY_VERIFY(saved());
    TypeInto(form.Text1(1), QStringLiteral("7"));
    form.Text1(2)->setFocus();
    form.Undo();
    QVERIFY(ReadAll(form) == Texts(kContradictory));
  }

  // Steps of whole grids of full cells: the history keeps as many of the
  // newest as fit its bytes, and undoes through them.
  void theHistoryKeepsItsBytes() {
    const auto full = [](char32_t c) {
      KeptGrid grid;
      grid.texts.fill(CellText(noralim::ui::CellField::kMaxCharacters, c));
      return grid;
    };
    GridHistory history(KeptGrid{});
    for (char32_t c = U'a'; c <= U'h'; ++c) history.Record(full(c));
    const std::size_t step = std::size_t{2} * noralim::kCellCount * noralim::ui::CellField::kMaxCharacters;
    QVERIFY(history.Bytes() <= GridHistory::kMaxBytes + step);
    QCOMPARE(history.Steps().size(), history.Bytes() / step);
    for (std::size_t k = 1; k < history.Steps().size(); ++k) {
      QVERIFY(history.Undo() == full(static_cast<char32_t>(U'h' - k)));
    }
  }

  // Saved in every form and opened again: the same grid, the givens and
  // entries where a form keeps digits only; Alt+Right and Alt+Left walk
  // through the puzzles of the file.
  void aSavedGridOpensAsItWasSaved_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("everyText");
    QTest::newRow("puzzle line") << "grid.txt" << false;
    QTest::newRow("nine rows") << "grid.sdk" << false;
    QTest::newRow("JSON line") << "grid.json" << true;
  }
  void aSavedGridOpensAsItWasSaved() {
    QFETCH(QString, name);
    QFETCH(bool, everyText);
    const QTemporaryDir dir;
    Form1 form;
    form.LoadTexts(Texts(kTwentyEight));
    QTest::mouseClick(form.cmdExec(0), Qt::LeftButton);  // written digits and candidates
    form.Text1(2)->setFocus();
    TypeInto(form.Text1(2), QStringLiteral("\u00e9"));
    const GridTexts shown = ReadAll(form);
    QVERIFY(form.SaveFile(dir.filePath(name)));
    Form1 opened;
    opened.OpenFile(dir.filePath(name));
    QVERIFY(ReadAll(opened) == (everyText ? shown : Texts(kTwentyEight)));
  }
  void altArrowsWalkThroughAFile() {
    const QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("three.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray five = "5" + QByteArray(80, '.');
    file.write("# three\n" + QByteArray(kTwentyEight) + "\noops\n");
    for (int row = 0; row < 9; ++row) file.write(QByteArray(kContradictory).mid(qsizetype{9} * row, 9) + "\n");
    file.write("\n" + five + "\n");  // a blank line, or it would be a tenth row
    file.close();
    // Opened as the operand: its first puzzle, from which Alt+Right goes on.
    auto open = std::get<noralim::ui::OpenWindow>(
        noralim::ui::ParseStartup({file.fileName().toStdString()}, noralim::ui::CellField::kMaxCharacters));
    open.keep_state = false;
    const std::unique_ptr<Form1> opened = noralim::ui::OpenForm(open);
    Form1& form = *opened;
    QVERIFY(ReadAll(form) == Texts(kTwentyEight));
    const auto key = [&](Qt::Key arrow, const GridTexts& expected) {
      QTest::keyClick(form.Text1(1), arrow, Qt::AltModifier);
      QVERIFY(ReadAll(form) == expected);
    };
    key(Qt::Key_Right, Texts(kContradictory));  // the rejected line passed over
    key(Qt::Key_Right, Texts(five));
    key(Qt::Key_Right, Texts(five));  // no further
    QCOMPARE(form.windowTitle(), QStringLiteral("three.txt:14 \u2014 Noralim"));
    key(Qt::Key_Left, Texts(kContradictory));
    form.Undo();
    QVERIFY(ReadAll(form) == Texts(five));
  }
};

QTEST_MAIN(StateTest)
#include "state_test.moc"
