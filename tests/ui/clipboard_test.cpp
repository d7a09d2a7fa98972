// The whole grid through the clipboard, and a puzzle loaded at start-up.
#include <QApplication>
#include <QClipboard>
#include <QtTest>
#include <functional>

#include "form1.h"
#include "reader.h"
#include "windowdriver.h"

using noralim::CellIndex;
using noralim::CellText;
using noralim::GridTexts;
using noralim::ui::Form1;
using noralim::uitest::ReadAll;
using noralim::uitest::Settled;

Q_DECLARE_METATYPE(GridTexts)

namespace {

constexpr const char* kTwentyEight =
    "8...1..2..7.2..3.4..6..8.7.7.....5.6.2.....9.9.8.....3.5.3..8..3.1..7.5..9..4...2";
constexpr const char* kTwentyEightSolved =
    "849713625175269384236458971713982546524136798968574213452391867381627459697845132";

GridTexts FromLine(const char* line) { return std::get<noralim::Puzzle>(noralim::ReadLine(line)).texts; }

void PressInCell(Form1& form, CellIndex cell, Qt::Key key) {
  QTest::keyClick(form.Text1(cell), key, Qt::ControlModifier | Qt::ShiftModifier);
}

}  // namespace

class ClipboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<Form1>();
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QGuiApplication::clipboard()->clear();
  }
  void cleanup() { form_.reset(); }

  void copyThenPasteGivesTheSameTexts_data() {
    QTest::addColumn<GridTexts>("texts");
    QTest::addColumn<bool>("puzzleLine");
    GridTexts odd = FromLine(kTwentyEight);
    odd[0] = CellText(U"5\r\n");
    odd[40] = CellText(U"\uFF15");
    odd[80] = CellText(U"xy");
    GridTexts candidates = FromLine(kTwentyEight);
    candidates[3] = CellText(U"1379");
    QTest::newRow("givens only") << FromLine(kTwentyEight) << true;
    QTest::newRow("empty grid") << GridTexts{} << true;
    QTest::newRow("a candidate string") << candidates << false;
    QTest::newRow("line break, full-width digit, letters") << odd << false;
  }
  void copyThenPasteGivesTheSameTexts() {
    QFETCH(GridTexts, texts);
    QFETCH(bool, puzzleLine);
    form_->LoadTexts(texts);
    PressInCell(*form_, 5, Qt::Key_C);
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied.startsWith(QLatin1Char('{')), !puzzleLine);
    if (puzzleLine) QCOMPARE(copied, Settled(texts));
    QVERIFY(ReadAll(*form_) == texts);  // copying changes nothing

    QTest::mouseClick(form_->cmdExec(1), Qt::LeftButton);
    QVERIFY(ReadAll(*form_) == GridTexts{});
    PressInCell(*form_, 17, Qt::Key_V);
    QVERIFY(ReadAll(*form_) == texts);
  }

  void rubbishOnTheClipboardLeavesTheGridAlone_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("empty") << QString();
    QTest::newRow("prose") << QStringLiteral("call me at five");
    QTest::newRow("80 cells") << QString(80, QLatin1Char('.'));
    QTest::newRow("broken JSON") << QStringLiteral("{\"cells\": [\"1\"");
    QTest::newRow("a comment only") << QStringLiteral("# nothing\n\n");
    QTest::newRow("rejected line before a puzzle") << QStringLiteral("oops\n") + QString::fromLatin1(kTwentyEight);
  }
  void rubbishOnTheClipboardLeavesTheGridAlone() {
    QFETCH(QString, clipboard);
    form_->LoadTexts(FromLine(kTwentyEight));
    QGuiApplication::clipboard()->setText(clipboard);
    PressInCell(*form_, 1, Qt::Key_V);
    QVERIFY(ReadAll(*form_) == FromLine(kTwentyEight));
  }

  void pasteSkipsCommentsAndTakesAWindowsLineEnd() {
    QGuiApplication::clipboard()->setText(QStringLiteral("# from a mail\r\n") + QString::fromLatin1(kTwentyEight) +
                                          QStringLiteral("\r\n"));
    PressInCell(*form_, 1, Qt::Key_V);
    QVERIFY(ReadAll(*form_) == FromLine(kTwentyEight));
  }

  void aCellsOwnCopyAndPasteStayAsTheyAre() {
    QGuiApplication::clipboard()->setText(QString::fromLatin1(kTwentyEight));
    QTest::keyClick(form_->Text1(1), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form_->Grid().GetCellText(1), QString::fromLatin1(kTwentyEight).toStdU32String());
    QVERIFY(form_->Grid().GetCellText(2).empty());
  }

  // A paste in the middle of a solve is an edit like any other: the run goes
  // on from the pasted texts and ends where a run from them ends.
  void pasteDuringASolveIsAnEdit() {
    form_->LoadTexts(GridTexts{});
    QGuiApplication::clipboard()->setText(QString::fromLatin1(kTwentyEight));
    int changes = 0;
    bool pasted = false;
    for (CellIndex i = 1; i <= 81; ++i) {
      connect(form_->Text1(i), &QPlainTextEdit::textChanged, this, [&] {
        if (++changes != 30 || pasted) return;
        pasted = true;
        PressInCell(*form_, 1, Qt::Key_V);
      });
    }
    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    QVERIFY(pasted);
    QCOMPARE(Settled(ReadAll(*form_)), QString::fromLatin1(kTwentyEightSolved));
    QVERIFY(form_->cmdExec(0)->isEnabled());
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
  }

 private:
  std::unique_ptr<Form1> form_;
};

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
