// Closing the window at a random write of a solve, on a fresh window each
// time: the run stops there, writes nothing more, leaves the pointer and
// "Calc" idle, and the window is then deleted.
//
// NORALIM_CLOSING_SEED draws other puzzles and closing points; the seed in
// use is printed.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QtTest>
#include <vector>

#include "form1.h"
#include "memorygrid.h"
#include "solve.h"
#include "windowdriver.h"

using noralim::CellIndex;
using noralim::kCellCount;
using noralim::ui::Form1;
using noralim::uitest::Texts;

namespace {

constexpr std::uint64_t kDefaultSeed = 0xC105ED;
constexpr int kWindows = 100;

Texts TextsOf(const QString& rows) {
  Texts texts{};
  for (int p = 0; p < kCellCount; ++p) {
    const char32_t c = rows.at(p).unicode();
    if (c != U'.') texts[static_cast<std::size_t>(noralim::CellAtPosition(p) - 1)] = noralim::CellText(1, c);
  }
  return texts;
}

// The grid after each changing write of an undisturbed run from start:
// element n - 1 is the grid once the n-th write is in place.
std::vector<Texts> StatesOfTheRun(const Texts& start) {
  noralim::MemoryGrid memory(start);
  std::vector<Texts> states;
  memory.SetChangeHandler([&](CellIndex) { states.push_back(memory.Texts()); });
  noralim::NullWindowServices none;
  noralim::RunSolve(static_cast<noralim::CellGrid&>(memory), static_cast<noralim::WindowServices&>(none));
  return states;
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
      at_close = noralim::uitest::ReadAll(form_);
    }
    return false;
  }

 private:
  Form1& form_;
};

}  // namespace

class WindowClosingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    seed_ = noralim::uitest::SeedFromEnvironment("NORALIM_CLOSING_SEED", kDefaultSeed);
    qInfo("seed %llu (set NORALIM_CLOSING_SEED to draw others)", static_cast<unsigned long long>(seed_));
  }
  // A row that failed half-way leaves its window behind; the next starts clean.
  void cleanup() { qDeleteAll(QApplication::topLevelWidgets()); }

  void closeAtARandomWrite_data() {
    QTest::addColumn<QString>("puzzle");
    QTest::addColumn<int>("closeAt");  // the write whose notification closes the window
    QTest::addColumn<bool>("queued");  // the close comes through the event pump
    QTest::addColumn<bool>("deleteOnClose");
    noralim::uitest::Rng rng(seed_);
    for (int w = 1; w <= kWindows; ++w) {
      const bool cycling = noralim::uitest::Chance(rng, 0.15);
      const QString puzzle =
          cycling ? QString::fromLatin1(noralim::uitest::kCycling) : noralim::uitest::RandomPuzzle(rng);
      const int writes = static_cast<int>(StatesOfTheRun(TextsOf(puzzle)).size());
      const int close_at = noralim::uitest::Uniform(rng, 1, writes);
      const bool queued = noralim::uitest::Chance(rng, 0.5);
      const bool delete_on_close = noralim::uitest::Chance(rng, 0.5);
      const QByteArray name =
          QStringLiteral("%1: %2, %3 close at write %4 of %5, %6")
              .arg(w, 3, 10, QLatin1Char('0'))
              .arg(cycling ? QStringLiteral("cycling givens") : QStringLiteral("random givens"),
                   queued ? QStringLiteral("queued") : QStringLiteral("direct"))
              .arg(close_at)
              .arg(writes)
              .arg(delete_on_close ? QStringLiteral("deleted on close") : QStringLiteral("deleted after"))
              .toUtf8();
      QTest::newRow(name.constData()) << puzzle << close_at << queued << delete_on_close;
    }
  }
  void closeAtARandomWrite() {
    QFETCH(QString, puzzle);
    QFETCH(int, closeAt);
    QFETCH(bool, queued);
    QFETCH(bool, deleteOnClose);

    auto* form = new Form1;
    const QPointer<Form1> alive(form);
    form->setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
    form->show();
    QCoreApplication::processEvents();
    noralim::uitest::TypePuzzle(*form, puzzle);
    const Texts start = noralim::uitest::ReadAll(*form);
    QCOMPARE(start, TextsOf(puzzle));
    const std::vector<Texts> states = StatesOfTheRun(start);

    int writes = 0;       // change notifications seen
    int after_close = 0;  // notifications of writes made after the close
    const CloseWatcher watcher(*form);
    QObject hooks;
    for (CellIndex i = 1; i <= kCellCount; ++i) {
      connect(form->Text1(i), &QPlainTextEdit::textChanged, &hooks, [&, form] {
        ++writes;
        // The window's own handler ran first and may have taken the close
        // from the pump; this write was in place before it if nothing moved.
        if (watcher.closed && noralim::uitest::ReadAll(*form) != watcher.at_close) ++after_close;
        if (writes != closeAt) return;
        if (queued) {
          QMetaObject::invokeMethod(form, &QWidget::close, Qt::QueuedConnection);
        } else {
          form->close();
        }
      });
    }

    QTest::mouseClick(form->cmdExec(noralim::kCalcButton), Qt::LeftButton);
    QVERIFY2(!alive.isNull(), "the window went while its command was still running");
    QVERIFY(watcher.closed);
    QCOMPARE(after_close, 0);
    // The window holds the grid of the run in memory after as many writes
    // as were in place at the close: the write that closed it, or, for a
    // close through the pump, possibly the next one, in whose notification
    // the pump ran.
    const auto at = [&](int n) {
      return n >= 1 && n <= static_cast<int>(states.size()) ? states[static_cast<std::size_t>(n - 1)] : Texts{};
    };
    const int in_place = watcher.at_close == at(closeAt) ? closeAt : closeAt + 1;
    QVERIFY(in_place == closeAt || queued);
    QCOMPARE(watcher.at_close, at(in_place));
    QCOMPARE(writes, in_place);
    QCOMPARE(noralim::uitest::ReadAll(*form), watcher.at_close);
    QVERIFY(noralim::uitest::Idle(*form));

    if (deleteOnClose) {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else {
      delete form;
    }
    QVERIFY(alive.isNull());
    QCOMPARE(writes, in_place);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(noralim::uitest::DefaultPointer());
  }

 private:
  std::uint64_t seed_ = kDefaultSeed;
};

QTEST_MAIN(WindowClosingTest)
#include "closing_test.moc"
