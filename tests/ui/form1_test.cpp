// The window with real widgets and real input events, offscreen.
#include "form1.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

#include "cellstyle.h"
#include "memorygrid.h"
#include "solve.h"

using noralim::CellAt;
using noralim::CellIndex;
using noralim::CellText;
using noralim::SolveEnd;
using noralim::ui::Form1;
using Texts = std::array<CellText, noralim::kCellCount>;

Q_DECLARE_METATYPE(CellText)
Q_DECLARE_METATYPE(SolveEnd)

namespace {

// Row-major puzzles, '.' for an empty cell.
constexpr const char* kTwentyEight =
    "8...1..2..7.2..3.4..6..8.7.7.....5.6.2.....9.9.8.....3.5.3..8..3.1..7.5..9..4...2";
constexpr const char* kTwentyEightSolved =
    "849713625175269384236458971713982546524136798968574213452391867381627459697845132";
constexpr const char* kHard = "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
// Contradictory givens on which two grid states alternate from sweep to sweep.
constexpr const char* kCycling = "...1..6...3.2.1.....8..2595......22..125....4...9...7.9..47.3...1.8.9....4.7.1...";

// Types each character into its cell, key by key; '|' presses Enter.
void TypePuzzle(Form1& form, const QString& rows) {
  for (int p = 0; p < 81; ++p) {
    const QChar c = rows.at(p);
    if (c == QLatin1Char('|')) {
      QTest::keyClick(form.Text1(noralim::CellAtPosition(p)), Qt::Key_Return);
    } else if (c != QLatin1Char('.')) {
      QTest::keyClicks(form.Text1(noralim::CellAtPosition(p)), QString(c));
    }
  }
}

Texts ReadAll(const Form1& form) {
  Texts texts;
  for (CellIndex i = 1; i <= 81; ++i) texts[static_cast<std::size_t>(i - 1)] = form.Grid().GetCellText(i);
  return texts;
}

QString SettledRowMajor(const Form1& form) {
  QString out;
  for (int p = 0; p < 81; ++p) {
    const CellText t = form.Grid().GetCellText(noralim::CellAtPosition(p));
    out += t.size() == 1 ? QString::fromUcs4(t.data(), 1) : QStringLiteral(".");
  }
  return out;
}

bool Busy() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

bool Idle(const Form1& form) { return !Busy() && form.cmdExec(0)->isEnabled(); }

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

// Records the cell texts at the moment the window receives its close event.
class CloseWatcher : public QObject {
 public:
  explicit CloseWatcher(Form1& form) : form_(form) { form.installEventFilter(this); }
  bool closed = false;
  Texts at_close;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Close && !closed) {
      closed = true;
      at_close = ReadAll(form_);
    }
    return false;
  }

 private:
  Form1& form_;
};

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
    QCOMPARE(SettledRowMajor(*form_), QString::fromLatin1(kTwentyEightSolved));
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

  void windowRunMatchesTheInMemoryRun_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<SolveEnd>("end");
    QTest::addColumn<int>("sweeps");
    QTest::newRow("28 givens, solved") << kTwentyEight << SolveEnd::Settled << 7;
    QTest::newRow("hard puzzle, candidates left") << kHard << SolveEnd::Settled << 4;
    QTest::newRow("contradictory givens end by themselves") << kCycling << SolveEnd::Cycle << 6;
    QTest::newRow("a letter and a line break")
        << QString::fromLatin1(kHard).replace(1, 2, QStringLiteral("a|")) << SolveEnd::Settled << -1;
  }
  void windowRunMatchesTheInMemoryRun() {
    QFETCH(QString, typed);
    QFETCH(SolveEnd, end);
    QFETCH(int, sweeps);
    TypePuzzle(*form_, typed);
    noralim::MemoryGrid memory(ReadAll(*form_));
    noralim::NullWindowServices none;
    const noralim::SolveResult result =
        noralim::RunSolve(static_cast<noralim::CellGrid&>(memory), static_cast<noralim::WindowServices&>(none));
    QCOMPARE(result.end, end);
    if (sweeps > 0) QCOMPARE(result.sweeps, sweeps);

    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    QCOMPARE(ReadAll(*form_), memory.Texts());
    QVERIFY(Idle(*form_));
  }

  void closingDuringASolveStopsWithoutFurtherWrites_data() {
    QTest::addColumn<bool>("queued");
    QTest::newRow("closed inside a change notification") << false;
    QTest::newRow("close arriving through the event pump") << true;
  }
  void closingDuringASolveStopsWithoutFurtherWrites() {
    QFETCH(bool, queued);
    TypePuzzle(*form_, QString::fromLatin1(kTwentyEight));
    const CloseWatcher watcher(*form_);
    int after_close = 0;  // notifications of writes made after the close
    OnEveryChange(*form_, this, [&](int n) {
      if (watcher.closed && ReadAll(*form_) != watcher.at_close) ++after_close;
      if (n != 20) return;
      if (queued) {
        QMetaObject::invokeMethod(form_.get(), &QWidget::close, Qt::QueuedConnection);
      } else {
        form_->close();
      }
    });
    QTest::mouseClick(form_->cmdExec(0), Qt::LeftButton);
    QVERIFY(watcher.closed);
    QCOMPARE(after_close, 0);
    QCOMPARE(ReadAll(*form_), watcher.at_close);
    QVERIFY(SettledRowMajor(*form_) != QString::fromLatin1(kTwentyEightSolved));
    QVERIFY(Idle(*form_));
  }

 private:
  std::unique_ptr<Form1> form_;
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
