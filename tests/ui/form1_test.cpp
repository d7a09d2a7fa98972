// The window with real widgets and real input events, offscreen.
#include "form1.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

#include "cellstyle.h"
#include "solve.h"
#include "windowdriver.h"

using noralim::CellAt;
using noralim::CellIndex;
using noralim::CellText;
using noralim::ui::Form1;
using noralim::uitest::Idle;
using noralim::uitest::kCycling;
using noralim::uitest::TypePuzzle;

Q_DECLARE_METATYPE(CellText)

namespace {

// Row-major puzzles, '.' for an empty cell.
constexpr const char* kTwentyEight =
    "8...1..2..7.2..3.4..6..8.7.7.....5.6.2.....9.9.8.....3.5.3..8..3.1..7.5..9..4...2";
constexpr const char* kTwentyEightSolved =
    "849713625175269384236458971713982546524136798968574213452391867381627459697845132";

bool Busy() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

// Calls back from every cell's change notification with the count so far.
void OnEveryChange(Form1& form, QObject* context, const std::function<void(int)>& action) {
  auto count = std::make_shared<int>(0);
  for (CellIndex i = 1; i <= 81; ++i) {
    QObject::connect(form.Text1(i), &QPlainTextEdit::textChanged, context, [=] { action(++*count); });
  }
}

// A click that arrives through the event queue, as the user's would mid-solve.
void PostClick(QWidget* button) {
  const QPointF at = QRectF(button->rect()).center();
  const QPointF global = button->mapToGlobal(at);
  QCoreApplication::postEvent(
      button, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
  QCoreApplication::postEvent(
      button, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

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
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    for (CellIndex i = 1; i <= 81; ++i) QVERIFY(form_->Grid().GetCellText(i).empty());
    QCOMPARE(QApplication::focusWidget(), form_->Text1(1));
    QVERIFY(form_->cmdExec(0)->isEnabled() && form_->cmdExec(1)->isEnabled());
    QCOMPARE(form_->Text1(1)->font().pointSize(), 9);
    QVERIFY(!form_->Text1(1)->font().bold());
    QCOMPARE(form_->Text1(CellAt(3, 7))->accessibleName(), QStringLiteral("Row 3, column 7"));
    QCOMPARE(form_->Text1(28)->accessibleName(), QStringLiteral("Row 4, column 1"));
    QCOMPARE(form_->cmdExec(1)->accessibleName(), QStringLiteral("Clear"));
  }

  void geometry_data() {
    QTest::addColumn<int>("control");  // a cell 1..81; 0 "Calc", -1 "Clear"
    QTest::addColumn<QRect>("rect");
    QTest::newRow("cell 1, top left") << 1 << QRect(0, 0, 33, 33);
    QTest::newRow("cell 2 shares its left line with cell 1") << 2 << QRect(32, 0, 33, 33);
    QTest::newRow("cell 3 ends a pixel before box 2") << 3 << QRect(64, 0, 33, 33);
    QTest::newRow("cell 4, second row of box 1") << 4 << QRect(0, 32, 33, 33);
    QTest::newRow("cell 10 starts box 2 at 98") << 10 << QRect(98, 0, 33, 33);
    QTest::newRow("cell 41, centre") << 41 << QRect(130, 130, 33, 33);
    QTest::newRow("cell 81 ends at the window's right edge") << 81 << QRect(260, 260, 33, 33);
    QTest::newRow("Calc") << 0 << QRect(0, 296, 147, 25);
    QTest::newRow("Clear") << -1 << QRect(150, 296, 139, 25);
  }
  void geometry() {
    QFETCH(int, control);
    QFETCH(QRect, rect);
    const QWidget* w =
        control > 0 ? static_cast<QWidget*>(form_->Text1(static_cast<CellIndex>(control))) : form_->cmdExec(-control);
    QCOMPARE(w->geometry(), rect);
  }

  void tabWalk_data() {
    QTest::addColumn<int>("from");  // 82 is "Calc", 83 "Clear"
    QTest::addColumn<int>("to");
    QTest::newRow("top right of box 1 to its middle left") << 3 << 4;
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
    if (from <= 81) QVERIFY(form_->Grid().GetCellText(static_cast<CellIndex>(from)).empty());
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
    QTest::newRow("digit and Enter is 5 CR LF") << "5" << true << 3 << false << 11.0;
    QTest::newRow("four digits") << "1234" << false << 4 << false << 10.0;
    QTest::newRow("full candidate string") << "123456789" << false << 9 << false << 10.0;
  }
  void style() {
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(int, length);
    QFETCH(bool, bold);
    QFETCH(double, points);
    noralim::ui::CellField* cell = form_->Text1(5);
    QSignalSpy changes(cell, &QPlainTextEdit::textChanged);
    QTest::keyClicks(cell, typed);
    if (enter) QTest::keyClick(cell, Qt::Key_Return);
    QCOMPARE(form_->Grid().GetCellText(5).size(), static_cast<std::size_t>(length));
    QCOMPARE(cell->font().bold(), bold);
    QCOMPARE(cell->font().pointSizeF(), points);
    QCOMPARE(cell->font().families(), noralim::ui::CellFont().families());
    // One notification a key: restyling the cell raised none of its own.
    QCOMPARE(changes.count(), typed.size() + (enter ? 1 : 0));
    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_Delete);
    QCOMPARE(cell->font().pointSizeF(), 10.0);
    QVERIFY(!cell->font().bold());
  }

  void cellTextRoundTrip_data() {
    QTest::addColumn<CellText>("written");
    QTest::addColumn<CellText>("read");
    QTest::newRow("digit and line break") << CellText(U"5\r\n") << CellText(U"5\r\n");
    QTest::newRow("a line break left alone") << CellText(U"\r\n") << CellText(U"\r\n");
    QTest::newRow("two line breaks") << CellText(U"1\r\n\r\n2") << CellText(U"1\r\n\r\n2");
    QTest::newRow("no-break space") << CellText(U"\u00a0") << CellText(U"\u00a0");
    QTest::newRow("full-width digit and tab") << CellText(U"\uff15\t") << CellText(U"\uff15\t");
    QTest::newRow("code point beyond 16 bits") << CellText(U"\U0001F600") << CellText(U"\U0001F600");
    QTest::newRow("lone LF is a line break") << CellText(U"1\n2") << CellText(U"1\r\n2");
    QTest::newRow("lone CR is a line break") << CellText(U"1\r") << CellText(U"1\r\n");
  }
  void cellTextRoundTrip() {
    QFETCH(CellText, written);
    QFETCH(CellText, read);
    QSignalSpy changes(form_->Text1(7), &QPlainTextEdit::textChanged);
    form_->Grid().SetCellText(7, written);
    QCOMPARE(form_->Grid().GetCellText(7), read);
    QCOMPARE(changes.count(), 1);
    form_->Grid().SetCellText(7, read);  // writing back what was read changes nothing
    QCOMPARE(changes.count(), 1);
  }

  void typedPuzzleIsSolvedByAClick() {
    TypePuzzle(*form_, QString::fromLatin1(kTwentyEight));
    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    QCOMPARE(noralim::uitest::Settled(noralim::uitest::ReadAll(*form_)), QString::fromLatin1(kTwentyEightSolved));
    for (CellIndex i = 1; i <= 81; ++i) QCOMPARE(form_->Text1(i)->font().pointSizeF(), 20.0);
    QVERIFY(Idle(*form_));
  }

  void busyWhileSolvingAndIdleAfter() {
    TypePuzzle(*form_, QString::fromLatin1(kTwentyEight));
    int seen = 0;
    bool busy_throughout = true;
    OnEveryChange(*form_, this, [&](int) {
      ++seen;
      busy_throughout = busy_throughout && Busy() && !form_->cmdExec(0)->isEnabled() && form_->cmdExec(1)->isEnabled();
    });
    QVERIFY(Idle(*form_));
    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    QVERIFY(seen > 0);
    QVERIFY(busy_throughout);
    QVERIFY(Idle(*form_));
  }

  void clearDuringASolveEndsWithCandidates() {
    TypePuzzle(*form_, QString::fromLatin1(kCycling));
    OnEveryChange(*form_, this, [&](int n) {
      if (n == 10) PostClick(form_->cmdExec(1));
    });
    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    for (CellIndex i = 1; i <= 81; ++i) QCOMPARE(form_->Grid().GetCellText(i), CellText(U"123456789"));
    QVERIFY(Idle(*form_));
  }

  void typingDuringASolveIsSeenByTheRun() {
    OnEveryChange(*form_, this, [&](int n) {
      if (n == 1) QTest::keyClicks(form_->Text1(81), QStringLiteral("5"));
    });
    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    QCOMPARE(form_->Grid().GetCellText(81), CellText(U"5"));
    QCOMPARE(form_->Grid().GetCellText(80), CellText(U"12346789"));
    QCOMPARE(form_->Grid().GetCellText(1), CellText(U"123456789"));
    QVERIFY(Idle(*form_));
  }

 private:
  std::unique_ptr<Form1> form_;
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
