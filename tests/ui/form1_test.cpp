// The window with real widgets and real input events, offscreen.
#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

#include "form1.h"
#include "memorygrid.h"
#include "solve.h"

using noralim::CellAt;
using noralim::CellIndex;
using noralim::CellText;
using noralim::ui::Form1;

namespace {

constexpr const char* kTwentyEight =
    "8...1..2..7.2..3.4..6..8.7.7.....5.6.2.....9.9.8.....3.5.3..8..3.1..7.5..9..4...2";
constexpr const char* kTwentyEightSolved =
    "849713625175269384236458971713982546524136798968574213452391867381627459697845132";
constexpr const char* kCycling =
    "...1..6...3.2.1.....8..2595......22..125....4...9...7.9..47.3...1.8.9....4.7.1...";

CellIndex CellOf(int position) { return CellAt(position / 9 + 1, position % 9 + 1); }

// Types the givens of a row-major puzzle into the cells, key by key.
void TypePuzzle(Form1& form, const char* rows) {
  for (int p = 0; p < 81; ++p) {
    if (rows[p] != '.') QTest::keyClicks(form.Text1(CellOf(p)), QString(QChar(rows[p])));
  }
}

QString RowMajor(const Form1& form) {
  QString out;
  for (int p = 0; p < 81; ++p) {
    const QString t = form.Text1(CellOf(p))->toPlainText();
    out += t.size() == 1 ? t : QStringLiteral(".");
  }
  return out;
}

bool Busy() { return QApplication::overrideCursor() != nullptr && QApplication::overrideCursor()->shape() == Qt::WaitCursor; }

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<Form1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void cleanup() { form_.reset(); }

  void startsEmptyWithFocusInCellOne() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Noralim"));
    QCOMPARE(form_->size(), QSize(293, 323));
    for (CellIndex i = 1; i <= 81; ++i) QVERIFY(form_->Text1(i)->toPlainText().isEmpty());
    QCOMPARE(QApplication::focusWidget(), form_->Text1(1));
    QVERIFY(form_->cmdExec(0)->isEnabled() && form_->cmdExec(1)->isEnabled());
    QCOMPARE(form_->Text1(CellAt(3, 7))->accessibleName(), QStringLiteral("Row 3, column 7"));
  }

  void geometry_data() {
    QTest::addColumn<int>("cell");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("cell 1, top left") << 1 << QRect(0, 0, 33, 33);
    QTest::newRow("cell 2 overlaps cell 1 by a pixel") << 2 << QRect(32, 0, 33, 33);
    QTest::newRow("cell 3 ends a pixel before box 2") << 3 << QRect(64, 0, 33, 33);
    QTest::newRow("cell 4, second row of box 1") << 4 << QRect(0, 32, 33, 33);
    QTest::newRow("cell 10, box 2") << 10 << QRect(98, 0, 33, 33);
    QTest::newRow("cell 41, centre") << 41 << QRect(130, 130, 33, 33);
    QTest::newRow("cell 81, bottom right") << 81 << QRect(260, 260, 33, 33);
    QTest::newRow("Calc") << 0 << QRect(0, 296, 147, 25);
    QTest::newRow("Clear") << -1 << QRect(150, 296, 139, 25);
  }
  void geometry() {
    QFETCH(int, cell);
    QFETCH(QRect, rect);
    const QWidget* w = cell > 0 ? static_cast<QWidget*>(form_->Text1(static_cast<CellIndex>(cell)))
                                : form_->cmdExec(cell == 0 ? 0 : 1);
    QCOMPARE(w->geometry(), rect);
  }

  void tabWalk_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");  // 82 is "Calc", 83 "Clear"
    QTest::newRow("inside box 1, to the next row") << 3 << 4;
    QTest::newRow("box 1 to box 2") << 9 << 10;
    QTest::newRow("last cell to Calc") << 81 << 82;
    QTest::newRow("Calc to Clear") << 82 << 83;
  }
  void tabWalk() {
    QFETCH(int, from);
    QFETCH(int, to);
    auto widget = [this](int k) -> QWidget* {
      return k <= 81 ? static_cast<QWidget*>(form_->Text1(static_cast<CellIndex>(k))) : form_->cmdExec(k - 82);
    };
    widget(from)->setFocus();
    QTest::keyClick(widget(from), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widget(to));
    QVERIFY(!form_->Text1(3)->toPlainText().contains(QLatin1Char('\t')));
  }

  void style_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<double>("points");
    QTest::newRow("one digit") << "5" << false << 1 << true << 20.0;
    QTest::newRow("a letter") << "a" << false << 1 << true << 20.0;
    QTest::newRow("two digits") << "12" << false << 2 << false << 12.0;
    QTest::newRow("three digits") << "123" << false << 3 << false << 11.0;
    QTest::newRow("digit and Enter is CR LF") << "5" << true << 3 << false << 11.0;
    QTest::newRow("full candidates") << "123456789" << false << 9 << false << 10.0;
  }
  void style() {
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(int, length);
    QFETCH(bool, bold);
    QFETCH(double, points);
    noralim::ui::CellField* cell = form_->Text1(5);
    QTest::keyClicks(cell, typed);
    if (enter) QTest::keyClick(cell, Qt::Key_Return);
    QCOMPARE(static_cast<int>(cell->CellTextValue().size()), length);
    QCOMPARE(cell->font().bold(), bold);
    QCOMPARE(cell->font().pointSizeF(), points);
    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_Delete);
    QCOMPARE(cell->font().pointSizeF(), 10.0);
    QVERIFY(!cell->font().bold());
  }

  void typedPuzzleIsSolvedByAClick() {
    TypePuzzle(*form_, kTwentyEight);
    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    QCOMPARE(RowMajor(*form_), QString::fromLatin1(kTwentyEightSolved));
  }

  void busyWhileSolvingAndIdleAfter() {
    TypePuzzle(*form_, kTwentyEight);
    int seen = 0;
    bool always_busy = true;
    connect(form_->Text1(41), &QPlainTextEdit::textChanged, this, [&] {
      ++seen;
      always_busy = always_busy && Busy() && !form_->cmdExec(0)->isEnabled() && form_->cmdExec(1)->isEnabled();
    });
    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    QVERIFY(seen > 0);
    QVERIFY(always_busy);
    QVERIFY(!Busy());
    QVERIFY(form_->cmdExec(0)->isEnabled());
  }

  void clearDuringASolveEndsWithCandidates() {
    TypePuzzle(*form_, kTwentyEight);
    int changes = 0;
    connect(form_->Text1(41), &QPlainTextEdit::textChanged, this, [&] {
      if (++changes == 1) QTest::mouseClick(form_->cmdExec(1), Qt::LeftButton);
    });
    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    QVERIFY(changes > 0);
    for (CellIndex i = 1; i <= 81; ++i) QCOMPARE(form_->Text1(i)->toPlainText(), QStringLiteral("123456789"));
    QVERIFY(form_->cmdExec(0)->isEnabled());
    QVERIFY(!Busy());
  }

  void typingDuringASolveIsSeenByTheRun() {
    int changes = 0;
    connect(form_->Text1(1), &QPlainTextEdit::textChanged, this, [&] {
      if (++changes == 1) QTest::keyClicks(form_->Text1(81), QStringLiteral("5"));
    });
    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    QCOMPARE(form_->Text1(81)->toPlainText(), QStringLiteral("5"));
    QCOMPARE(form_->Text1(80)->toPlainText(), QStringLiteral("12346789"));
    QCOMPARE(form_->Text1(1)->toPlainText(), QStringLiteral("123456789"));
  }

  void windowRunMatchesTheInMemoryRun() {
    TypePuzzle(*form_, kCycling);
    QTest::keyClicks(form_->Text1(1), QStringLiteral("a"));
    QTest::keyClicks(form_->Text1(2), QStringLiteral("5"));
    QTest::keyClick(form_->Text1(2), Qt::Key_Return);
    std::array<CellText, 81> start;
    for (CellIndex i = 1; i <= 81; ++i) start[static_cast<std::size_t>(i - 1)] = form_->Text1(i)->CellTextValue();
    noralim::MemoryGrid memory(start);
    noralim::NullWindowServices none;
    noralim::RunSolve(static_cast<noralim::CellGrid&>(memory), static_cast<noralim::WindowServices&>(none));

    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);  // ends by itself, like the memory run
    for (CellIndex i = 1; i <= 81; ++i) QCOMPARE(form_->Text1(i)->CellTextValue(), memory.GetCellText(i));
    QVERIFY(form_->cmdExec(0)->isEnabled());
  }

  void closingDuringASolveStopsWithoutFurtherWrites() {
    TypePuzzle(*form_, kCycling);
    int changes = 0;
    int after_close = 0;
    bool closed = false;
    for (CellIndex i = 1; i <= 81; ++i) {
      connect(form_->Text1(i), &QPlainTextEdit::textChanged, this, [&] {
        if (closed) ++after_close;
        if (++changes == 60) closed = form_->close();
      });
    }
    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    QVERIFY(closed);
    QCOMPARE(after_close, 0);
    QVERIFY(!Busy());
    QVERIFY(form_->cmdExec(0)->isEnabled());
  }

 private:
  std::unique_ptr<Form1> form_;
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
