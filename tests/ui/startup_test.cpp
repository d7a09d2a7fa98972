// The window program's command line: parsed in-process, and run as a process
// with no display at all.
#include "startup.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using noralim::ui::OpenWindow;
using noralim::ui::ParseStartup;
using noralim::ui::StartupError;

namespace {

constexpr const char* kTwentyEight =
    "8...1..2..7.2..3.4..6..8.7.7.....5.6.2.....9.9.8.....3.5.3..8..3.1..7.5..9..4...2";

std::vector<std::string> Args(const QStringList& list) {
  std::vector<std::string> out;
  for (const QString& arg : list) out.push_back(arg.toStdString());
  return out;
}

// What ParseStartup makes of the arguments, in words: "help", "version",
// "window", "window 8" (the first cell's text), or "error: <message>".
QString Outcome(const QStringList& args) {
  const auto command = ParseStartup(Args(args));
  if (std::holds_alternative<noralim::ui::ShowHelp>(command)) return QStringLiteral("help");
  if (std::holds_alternative<noralim::ui::ShowVersion>(command)) return QStringLiteral("version");
  if (const auto* error = std::get_if<StartupError>(&command)) {
    return QStringLiteral("error: ") + QString::fromStdString(error->message);
  }
  const auto& texts = std::get<OpenWindow>(command).texts;
  if (!texts) return QStringLiteral("window");
  return QStringLiteral("window ") + QString::fromStdU32String((*texts)[0]);
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    QFile file(dir_.filePath(QStringLiteral("puzzles.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArrayLiteral("# two puzzles\n") + kTwentyEight + "\n" + QByteArray(81, '.') + "\n");
  }

  void parse_data() {
    const QString file = dir_.filePath(QStringLiteral("puzzles.txt"));
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("nothing") << QStringList{} << "window";
    QTest::newRow("literal puzzle") << QStringList{kTwentyEight} << "window 8";
    QTest::newRow("file: first accepted line") << QStringList{file} << "window 8";
    QTest::newRow("file:line") << QStringList{file + ":3"} << "window ";
    QTest::newRow("toolkit options pass")
        << QStringList{"-style", "fusion", "-reverse", "-platform=xcb", kTwentyEight} << "window 8";
    QTest::newRow("help wins") << QStringList{"nonexistent", "--help"} << "help";
    QTest::newRow("version") << QStringList{"--version"} << "version";
    QTest::newRow("dash dash") << QStringList{"--", "--help"} << "error: --help: No such file or directory";
    QTest::newRow("comment line") << QStringList{file + ":1"}
                                  << "error: " + file + ":1: no puzzle on this line (blank or a comment)";
    QTest::newRow("mistyped puzzle") << QStringList{QString(80, QLatin1Char('.')) + "x"}
                                     << "error: puzzle: unexpected character 'x' at column 81";
    QTest::newRow("two operands") << QStringList{file, file}
                                  << "error: noralim: more than one operand (see noralim --help)";
    QTest::newRow("unknown option") << QStringList{"--bogus"}
                                    << "error: noralim: unknown option '--bogus' (see noralim --help)";
  }
  void parse() {
    QFETCH(QStringList, args);
    QFETCH(QString, outcome);
    QCOMPARE(Outcome(args), outcome);
  }

  // No display, no platform: these must answer without the toolkit starting.
  void withoutADisplay_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("version") << QStringList{"--version"} << 0 << "1.01\n"
                             << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: noralim [PUZZLE | FILE[:LINE]]"
                          << "";
    QTest::newRow("missing file") << QStringList{"/nonexistent/p.txt:4"} << 2 << ""
                                  << "/nonexistent/p.txt:4: No such file or directory\n";
    QTest::newRow("short puzzle file") << QStringList{dir_.filePath(QStringLiteral("puzzles.txt")) + ":9"} << 2 << ""
                                       << dir_.filePath(QStringLiteral("puzzles.txt")) + ": has no line 9 (3 lines)\n";
  }
  void withoutADisplay() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(NORALIM_WINDOW), args);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).left(out.size()), out);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), err);
  }

 private:
  QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(StartupTest)
#include "startup_test.moc"
