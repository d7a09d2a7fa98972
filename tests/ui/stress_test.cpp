// A long seeded script of user actions on one window, many of them delivered
// from inside the change notifications of a running command, as a user's
// input is handled while the solve pumps events.
//
// NORALIM_STRESS_SEED replays another script; the seed in use is printed.
#include <QApplication>
#include <QPlainTextEdit>
#include <QtTest>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "form1.h"
#include "memorygrid.h"
#include "solve.h"
#include "windowdriver.h"

using noralim::CellAtPosition;
using noralim::CellIndex;
using noralim::CellText;
using noralim::kCellCount;
using noralim::ui::Form1;
using noralim::uitest::Texts;

Q_DECLARE_METATYPE(CellText)

namespace {

constexpr std::uint64_t kDefaultSeed = 0x5EED2024;
constexpr std::size_t kScriptLength = 10000;
// Actions a command may pull from the script through its notifications.
constexpr int kMaxActionsPerCommand = 24;
// Nesting of actions fired from notifications of actions fired so.
constexpr int kMaxHookDepth = 2;
// A command writing more than this is taken for a hang and stopped by
// closing the window: the largest commands of the script write a few hundred.
constexpr int kMaxNotificationsPerCommand = 20000;
// A cell longer than this is taken for a run that grows its texts without
// end, which writes too slowly to reach the bound above: the script's own
// typing and pasting leave cells of a few dozen characters.
constexpr int kMaxCellCharacters = 5000;

using noralim::uitest::Chance;
using noralim::uitest::Rng;
using noralim::uitest::Uniform;

enum class Kind : std::uint8_t { Type, Enter, Backspace, Tab, Paste, Calc, Clear };

// Everything but Tab and Calc can change a cell. A click on "Calc" while a
// run goes on meets a disabled button.
bool MayEdit(Kind k) { return k != Kind::Tab && k != Kind::Calc; }

struct Action {
  Kind kind = Kind::Type;
  CellIndex cell = 1;
  QString text;  // typed or pasted
  // False for the givens of a puzzle: they are typed between commands, so
  // that a "Clear" still going on does not wipe them as they come.
  bool from_notification = true;
};

QString CodePoint(char32_t c) { return QString::fromUcs4(&c, 1); }

// One character of the scripts a user might type into a cell.
QString RandomCharacter(Rng& rng, bool line_breaks) {
  static const QString kKanaKanji = QStringLiteral("あいうかなをんアイウカナヲン数独問題解答一二三");
  static const QString kSpaces = QStringLiteral(" \u00a0\u3000");
  const int pick = Uniform(rng, 0, line_breaks ? 104 : 99);
  if (pick < 35) return CodePoint(static_cast<char32_t>(U'1' + Uniform(rng, 0, 8)));
  if (pick < 47) {
    const int letter = Uniform(rng, 0, 51);
    return CodePoint(static_cast<char32_t>(letter < 26 ? U'a' + letter : U'A' + letter - 26));
  }
  if (pick < 57) return CodePoint(static_cast<char32_t>(0xFF10 + Uniform(rng, 0, 9)));  // full-width 0-9
  if (pick < 69) return kKanaKanji.at(Uniform(rng, 0, static_cast<int>(kKanaKanji.size()) - 1));
  if (pick < 79) return CodePoint(static_cast<char32_t>(0x0410 + Uniform(rng, 0, 63)));   // Cyrillic А-я
  if (pick < 88) return CodePoint(static_cast<char32_t>(0x1F600 + Uniform(rng, 0, 79)));  // emoji
  if (pick < 100) return kSpaces.at(Uniform(rng, 0, 2));
  return QStringLiteral("\n");
}

QString RandomText(Rng& rng, int max_length, bool line_breaks) {
  QString out;
  const int length = Uniform(rng, 1, max_length);
  for (int k = 0; k < length; ++k) out += RandomCharacter(rng, line_breaks);
  return out;
}

CellIndex RandomCell(Rng& rng) { return static_cast<CellIndex>(Uniform(rng, 1, kCellCount)); }

Action RandomAction(Rng& rng) {
  const int pick = Uniform(rng, 0, 99);
  if (pick < 48) return {Kind::Type, RandomCell(rng), RandomText(rng, 4, false)};
  if (pick < 55) return {Kind::Enter, RandomCell(rng), {}};
  if (pick < 68) return {Kind::Backspace, RandomCell(rng), {}};
  if (pick < 73) return {Kind::Tab, RandomCell(rng), {}};
  if (pick < 84) return {Kind::Paste, RandomCell(rng), RandomText(rng, 8, true)};
  if (pick < 94) return {Kind::Calc, 1, {}};
  return {Kind::Clear, 1, {}};
}

// Puzzles typed after a "Clear" and solved, between stretches of anything.
std::vector<Action> MakeScript(Rng& rng, std::size_t length) {
  std::vector<Action> script;
  while (script.size() < length) {
    if (Chance(rng, 0.4)) {
      script.push_back({Kind::Clear, 1, {}});
      const QString rows =
          Chance(rng, 0.15) ? QString::fromLatin1(noralim::uitest::kCycling) : noralim::uitest::RandomPuzzle(rng);
      for (int p = 0; p < kCellCount; ++p) {
        if (rows.at(p) != QLatin1Char('.')) script.push_back({Kind::Type, CellAtPosition(p), rows.mid(p, 1), false});
      }
      for (int k = Uniform(rng, 0, 4); k > 0; --k) script.push_back(RandomAction(rng));
      script.push_back({Kind::Calc, 1, {}});
    } else {
      for (int k = Uniform(rng, 3, 25); k > 0; --k) script.push_back(RandomAction(rng));
    }
  }
  return script;
}

// Clicks on a disabled "Calc" and keys a field leaves to the window make
// QTest warn; the script does both on purpose, thousands of times.
QtMessageHandler g_previous_handler = nullptr;
void QuietAboutUnacceptedInput(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.contains(QLatin1String("not accepted by receiving widget"))) return;
  g_previous_handler(type, context, message);
}

}  // namespace

class WindowStressTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    g_previous_handler = qInstallMessageHandler(QuietAboutUnacceptedInput);
    seed_ = noralim::uitest::SeedFromEnvironment("NORALIM_STRESS_SEED", kDefaultSeed);
    qInfo("seed %llu (set NORALIM_STRESS_SEED to replay another)", static_cast<unsigned long long>(seed_));
  }
  void cleanupTestCase() { qInstallMessageHandler(g_previous_handler); }

  void init() {
    form_ = std::make_unique<Form1>();
    form_->show();
    QCoreApplication::processEvents();
  }
  void cleanup() { form_.reset(); }

  // The means the script acts through do reach the cell, so that the long
  // run below is not typing into nothing.
  void inputReachesTheCell_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("key");  // pressed after typing and pasting, 0 for none
    QTest::addColumn<CellText>("text");
    QTest::newRow("a digit") << "5"
                             << "" << 0 << CellText(U"5");
    QTest::newRow("ASCII letters") << "aZ"
                                   << "" << 0 << CellText(U"aZ");
    QTest::newRow("full-width digits") << "\uff11\uff19"
                                       << "" << 0 << CellText(U"\uff11\uff19");
    QTest::newRow("kana and kanji") << "かナ数"
                                    << "" << 0 << CellText(U"かナ数");
    QTest::newRow("Cyrillic") << "Жя"
                              << "" << 0 << CellText(U"Жя");
    QTest::newRow("emoji outside the BMP is one character") << "1\U0001F600"
                                                            << "" << 0 << CellText(U"1\U0001F600");
    QTest::newRow("spaces") << " \u00a0\u3000"
                            << "" << 0 << CellText(U" \u00a0\u3000");
    QTest::newRow("Enter is CR LF") << "5"
                                    << "" << int(Qt::Key_Return) << CellText(U"5\r\n");
    QTest::newRow("Backspace takes the whole emoji") << "5\U0001F9E9"
                                                     << "" << int(Qt::Key_Backspace) << CellText(U"5");
    QTest::newRow("Tab leaves the text alone") << "7"
                                               << "" << int(Qt::Key_Tab) << CellText(U"7");
    QTest::newRow("paste after typing") << "1"
                                        << "2\U0001F600" << 0 << CellText(U"12\U0001F600");
    QTest::newRow("pasted line break is CR LF") << ""
                                                << "a\nb" << 0 << CellText(U"a\r\nb");
  }
  void inputReachesTheCell() {
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(int, key);
    QFETCH(CellText, text);
    QWidget* cell = form_->Text1(41);
    noralim::uitest::TypeInto(cell, typed);
    if (!pasted.isEmpty()) noralim::uitest::PasteInto(cell, pasted);
    if (key != 0) QTest::keyClick(cell, static_cast<Qt::Key>(key));
    QCOMPARE(form_->Grid().GetCellText(41), text);
  }

  void randomScript() {
    Rng script_rng(seed_);
    script_ = MakeScript(script_rng, kScriptLength);
    rng_.seed(seed_ ^ 0x9E3779B97F4A7C15ULL);  // the hook's own draws
    for (CellIndex i = 1; i <= kCellCount; ++i) {
      connect(form_->Text1(i), &QPlainTextEdit::textChanged, this, &WindowStressTest::OnCellChanged);
    }

    while (next_ < script_.size() && !stopped_) {
      Perform(script_[next_++]);
      QCoreApplication::processEvents();
      if (!noralim::uitest::Idle(*form_)) Fail(QStringLiteral("not idle between actions"));
    }

    qInfo("actions: %zu in the script, %d from inside commands (%d inside runs)", script_.size(), from_hook_,
          inside_runs_);
    qInfo("runs: %d, %d with edits in the middle, %d without (%d settled, %d cycled; %d sweeps, at most %d a run)",
          runs_, edited_runs_, runs_ - edited_runs_, settled_, cycled_, sweeps_, most_sweeps_);
    qInfo("clears: %d; runs that changed nothing: %d; most notifications in one command: %d; longest cell: %d", clears_,
          silent_runs_, most_notifications_, longest_cell_);
    QVERIFY2(failures_.isEmpty(), qPrintable(failures_.join(QLatin1Char('\n'))));
    QVERIFY2(runs_ - edited_runs_ >= 50 && edited_runs_ >= 50, "the script should run both kinds often");
  }

 private:
  struct Run {
    Texts start;
    bool edited = false;
  };

  void Fail(const QString& what) {
    if (failures_.size() < 20) failures_ << QStringLiteral("action %1: %2").arg(next_).arg(what);
  }

  void Perform(const Action& a) {
    if (run_ && MayEdit(a.kind)) run_->edited = true;
    if (run_) ++inside_runs_;
    noralim::ui::CellField* cell = form_->Text1(a.cell);
    switch (a.kind) {
      case Kind::Type:
        noralim::uitest::TypeInto(cell, a.text);
        break;
      case Kind::Enter:
        QTest::keyClick(cell, Qt::Key_Return);
        break;
      case Kind::Backspace:
        QTest::keyClick(cell, Qt::Key_Backspace);
        break;
      case Kind::Tab:
        QTest::keyClick(cell, Qt::Key_Tab);
        break;
      case Kind::Paste:
        noralim::uitest::PasteInto(cell, a.text);
        break;
      case Kind::Calc:
        Click(noralim::kCalcButton);
        break;
      case Kind::Clear:
        Click(noralim::kClearButton);
        break;
    }
  }

  void Click(std::int16_t index) {
    QPushButton* button = form_->cmdExec(index);
    // Only an enabled "Calc" starts a run; there is never more than one.
    const bool starts_run = index == noralim::kCalcButton && button->isEnabled();
    if (starts_run) {
      if (run_) Fail(QStringLiteral("a run started inside a run"));
      run_ = Run{noralim::uitest::ReadAll(*form_), false};
      ++runs_;
    }
    if (commands_++ == 0) {
      budget_ = Chance(rng_, 0.45) ? 0 : Uniform(rng_, 1, kMaxActionsPerCommand);
      notifications_ = 0;
    }
    if (index == noralim::kClearButton) ++clears_;
    QTest::mouseClick(button, Qt::LeftButton);
    if (starts_run && notifications_ == 0) ++silent_runs_;
    if (--commands_ == 0) most_notifications_ = std::max(most_notifications_, notifications_);
    if (!starts_run) return;

    const Run run = std::move(*run_);
    run_.reset();
    if (!button->isEnabled()) Fail(QStringLiteral("\"Calc\" still disabled after a run"));
    if (!noralim::uitest::DefaultPointer()) Fail(QStringLiteral("override cursor left after a run"));
    if (run.edited) {
      ++edited_runs_;
      return;
    }
    noralim::MemoryGrid memory(run.start);
    noralim::NullWindowServices none;
    const noralim::SolveResult result =
        noralim::RunSolve(static_cast<noralim::CellGrid&>(memory), static_cast<noralim::WindowServices&>(none));
    (result.end == noralim::SolveEnd::Settled ? settled_ : cycled_) += 1;
    sweeps_ += result.sweeps;
    most_sweeps_ = std::max(most_sweeps_, result.sweeps);
    const Texts seen = noralim::uitest::ReadAll(*form_);
    for (std::size_t k = 0; k < seen.size(); ++k) {
      if (seen[k] != memory.Texts()[k]) {
        Fail(QStringLiteral("cell %1 ends as \"%2\", the run in memory as \"%3\"")
                 .arg(k + 1)
                 .arg(noralim::uitest::Show(seen[k]), noralim::uitest::Show(memory.Texts()[k])));
        break;
      }
    }
  }

  // Connected after the window's own handler, so it runs once the cell is
  // restyled and pending events are processed, still inside the write.
  void OnCellChanged() {
    const int length = static_cast<QPlainTextEdit*>(sender())->document()->characterCount();
    longest_cell_ = std::max(longest_cell_, length);
    if (commands_ == 0) return;  // typing between commands
    if (++notifications_ > kMaxNotificationsPerCommand || length > kMaxCellCharacters) {
      if (!stopped_) {
        stopped_ = true;
        Fail(QStringLiteral("a command wrote on past %1 changes or made a cell of %2 characters")
                 .arg(notifications_)
                 .arg(length));
        form_->close();  // stops the run at its next write
      }
      return;
    }
    if (hook_depth_ >= kMaxHookDepth || budget_ == 0 || !Pullable() || !Chance(rng_, 0.1)) return;
    ++hook_depth_;
    for (int burst = Uniform(rng_, 1, 3); burst > 0 && budget_ > 0 && Pullable(); --burst) {
      --budget_;
      ++from_hook_;
      Perform(script_[next_++]);
    }
    --hook_depth_;
  }

  bool Pullable() const { return next_ < script_.size() && script_[next_].from_notification; }

  std::uint64_t seed_ = kDefaultSeed;
  std::unique_ptr<Form1> form_;
  std::vector<Action> script_;
  std::size_t next_ = 0;
  Rng rng_;
  std::optional<Run> run_;
  int commands_ = 0;  // clicks on either button not yet returned
  int budget_ = 0;
  int hook_depth_ = 0;
  int notifications_ = 0;
  bool stopped_ = false;
  QStringList failures_;

  int from_hook_ = 0;
  int inside_runs_ = 0;
  int runs_ = 0;
  int edited_runs_ = 0;
  int settled_ = 0;
  int cycled_ = 0;
  int sweeps_ = 0;
  int clears_ = 0;
  int most_notifications_ = 0;
  int most_sweeps_ = 0;
  int silent_runs_ = 0;
  int longest_cell_ = 0;
};

QTEST_MAIN(WindowStressTest)
#include "stress_test.moc"
