// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/startup.h"

#include <QEvent>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "reader/source.h"
#include "ui/form1.h"
#include "ui/puzzlefiles.h"
#include "ui/translation.h"
#include "ui/usersettings.h"

namespace noralim::ui {

// Translated through Tr: see translation.h.
const char* const kWindowUsage =
    QT_TRANSLATE_NOOP("noralim",
                      "Usage: noralim [OPTION]... [PUZZLE | FILE[:LINE]]\n"
                      "  or:  noralim --export=OUT [--per-page=N] [--solutions] PUZZLE|FILE[:LINE]...\n"
                      "Opens the window for 9x9 number-place (sudoku) puzzles, as it was left when\n"
                      "no operand is given, else with the operand's puzzle. Type the givens and\n"
                      "press \"Calc\" (or F5, or Ctrl+Enter) to narrow every cell to its candidates;\n"
                      "\"Clear\" empties the grid. The title then says how the run ended.\n"
                      "\n"
                      "  PUZZLE      81 characters row-major ('1'-'9' givens; '.', '0' or '-' empty)\n"
                      "              or a JSON line (an array of 81 strings, or {\"cells\": [...]})\n"
                      "  FILE        the first puzzle in FILE is loaded: a puzzle line, a JSON line,\n"
                      "              nine rows (with borders, as web pages, .sdk and .ss files have\n"
                      "              them) or 729 candidates\n"
                      "  FILE:LINE   the puzzle that starts on line LINE of FILE is loaded\n"
                      "  --pace=MS   after each cell a run changes, wait MS milliseconds (0 to 1000)\n"
                      "              so that a person can follow the run; 0, the default, for none\n"
                      "  --export=OUT  write the puzzles of the operands (PUZZLE, FILE for all its\n"
                      "              puzzles, FILE:LINE; any number of them) to OUT and exit, with no\n"
                      "              window: OUT.pdf a booklet, each puzzle with its number, its\n"
                      "              rating and its seed; OUT.svg one puzzle\n"
                      "  --per-page=N  puzzles on a page of the booklet: 1, 2, 4 (the default) or 6\n"
                      "  --solutions   the solutions after the puzzles, smaller, 12 a page\n"
                      "  -h, --help  show this text and exit\n"
                      "  --version   show the version and exit\n"
                      "  --          end the options: the argument after it is the operand\n"
                      "Long options may be shortened to any beginning that names one of them. The\n"
                      "toolkit's own options (-platform NAME, -style=NAME, -reverse and the like)\n"
                      "are passed to it.\n"
                      "\n"
                      "In the window, Ctrl+O opens a puzzle file (Alt+Right and Alt+Left go to its\n"
                      "next and previous puzzle), Ctrl+S saves the grid, Ctrl+P prints it;\n"
                      "Ctrl+Z and Ctrl+Y undo and redo, Ctrl+W closes, Ctrl+Shift+C\n"
                      "copies the whole grid as one line, and Ctrl+Shift+V, or Ctrl+V of a whole\n"
                      "puzzle into a cell, fills it from the clipboard; F6 shows the next step of\n"
                      "the technique ladder and takes it, F7 checks the grid against the solution,\n"
                      "Ctrl+1 to Ctrl+9 highlight a digit; noralim(1) lists every key.\n"
                      "Messages on stderr: \"FILE:LINE: what is wrong\" for an operand that names\n"
                      "no puzzle, \"noralim: what is wrong\" for a usage error.\n"
                      "The window keeps its grid, history and source in the user's data folder\n"
                      "after every step, and opens with them again.\n"
                      "Exit status: 0 when the window is closed or the export written, 2 for a\n"
                      "usage error, a bad operand, no display, an export that cannot be written,\n"
                      "or help or version text that cannot be written.\n");

namespace {

// The toolkit's own options, which it reads with one dash or two, and what
// the value of each is; nullptr for the flags.
struct ToolkitOption {
  std::string_view name;
  const char* value;
};
constexpr std::array<ToolkitOption, 15> kToolkitOptions = {{
    {"platform", QT_TRANSLATE_NOOP("noralim", "a platform name")},
    {"platformpluginpath", QT_TRANSLATE_NOOP("noralim", "a folder")},
    {"platformtheme", QT_TRANSLATE_NOOP("noralim", "a theme name")},
    {"plugin", QT_TRANSLATE_NOOP("noralim", "a plugin name")},
    {"qwindowgeometry", QT_TRANSLATE_NOOP("noralim", "a geometry")},
    {"qwindowicon", QT_TRANSLATE_NOOP("noralim", "an icon file")},
    {"qwindowtitle", QT_TRANSLATE_NOOP("noralim", "a title")},
    {"session", QT_TRANSLATE_NOOP("noralim", "a session name")},
    {"display", QT_TRANSLATE_NOOP("noralim", "an X display")},
    {"style", QT_TRANSLATE_NOOP("noralim", "a style name")},
    {"stylesheet", QT_TRANSLATE_NOOP("noralim", "a style sheet file")},
    {"reverse", nullptr},
    {"widgetcount", nullptr},
    {"nograb", nullptr},
    {"dograb", nullptr},
}};

// A message and each of its arguments in the user's language; an argument
// that is no message of the catalogue stays as it is.
QString TranslatedMessage(const char* format, const std::vector<std::string>& args) {
  QString what = Tr(format);
  for (const std::string& arg : args) what = what.arg(Tr(arg.c_str()));
  return what;
}

constexpr const char* kNothingToExport = QT_TRANSLATE_NOOP("noralim", "--export needs a puzzle or a file");
constexpr const char* kOnlyWithExport = QT_TRANSLATE_NOOP("noralim", "--per-page and --solutions go with --export");

std::optional<EarlyExit> SetPerPage(std::string_view value, std::string_view name, int* out) {
  const auto number = ParseWholeNumber(value, 1, 6);
  if (!number || *number == 3 || *number == 5) {
    return UsageError{QT_TRANSLATE_NOOP("noralim", "%1 takes 1, 2, 4 or 6"), {std::string(name)}};
  }
  *out = static_cast<int>(*number);
  return std::nullopt;
}

// The window with the puzzle the operand names, if it names one.
StartupCommand Open(OpenWindow window, const std::vector<std::string>& operands, std::size_t max_cell_characters) {
  if (operands.size() > 1) return UsageError{messages::kTooManyOperands, {}};
  if (operands.empty()) return window;
  auto loaded = LoadPuzzle(operands.front(), max_cell_characters);
  if (auto* rejected = std::get_if<Rejected>(&loaded)) return OperandError{Translated(*rejected)};
  window.texts = std::move(std::get<Puzzle>(loaded).texts);
  const std::string& operand = operands.front();
  if (IsPuzzleLiteral(operand)) return window;
  window.source = operand.substr(operand.find_last_of("/\\") + 1);
  std::error_code error;
  std::string file = operand;
  if (!std::filesystem::exists(operand, error)) {
    // FILE:LINE, or else a JSON line, which names no file to walk through.
    const auto colon = operand.rfind(':');
    file = colon == std::string::npos ? std::string() : operand.substr(0, colon);
    if (file.empty() || !std::filesystem::exists(file, error)) return window;
    const std::string_view line = std::string_view(operand).substr(colon + 1);
    std::from_chars(line.data(), line.data() + line.size(), window.source_line);
  }
  window.source_file = std::filesystem::absolute(file, error).string();
  // The line the file's first puzzle starts on, from which Alt+Right goes on.
  if (window.source_line == 0) {
    const auto first = FindPuzzle(file, {0, true}, max_cell_characters);
    if (const auto* found = std::get_if<FilePuzzle>(&first)) window.source_line = found->line;
  }
  return window;
}

constexpr QLatin1String kGeometryKey("window/geometry");

// Writes the window's size, place and maximised state when it is closed.
class SizeKeeper final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close) {
      UserSettings().setValue(kGeometryKey, static_cast<QWidget*>(watched)->saveGeometry());
    }
    return false;
  }
};

// The message handler that was in place before QuietFontFallbackNotes.
QtMessageHandler& OuterHandler() {
  static QtMessageHandler outer = nullptr;
  return outer;
}

void QuietFontNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.trimmed().startsWith(QLatin1String("OpenType support missing for"))) return;
  if (OuterHandler() != nullptr) return OuterHandler()(type, context, message);
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void QuietFontFallbackNotes() { OuterHandler() = qInstallMessageHandler(QuietFontNotes); }

std::string Translated(const Rejected& rejected) {
  const QString what = TranslatedMessage(rejected.format, rejected.args);
  if (rejected.where.empty()) return what.toStdString();
  return rejected.where + ": " + what.toStdString();
}

std::optional<std::string> MissingDisplay(const OpenWindow& command) {
#if defined(__linux__)
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): read before any thread starts
    return value != nullptr && *value != '\0';
  };
  const auto& args = command.toolkit_args;
  if (std::find(args.begin(), args.end(), "-platform") != args.end() || set("QT_QPA_PLATFORM") || set("DISPLAY") ||
      set("WAYLAND_DISPLAY")) {
    return std::nullopt;
  }
  return (QStringLiteral("noralim: ") + Tr(QT_TRANSLATE_NOOP("noralim",
                                                             "no display to open the window on (DISPLAY is not set); "
                                                             "try -platform offscreen, or xvfb-run")))
      .toStdString();
#else
  static_cast<void>(command);
  return std::nullopt;
#endif
}

std::string UsageMessage(const UsageError& error) {
  const QString what = TranslatedMessage(error.format, error.args);
  return (QStringLiteral("noralim: ") + what + QLatin1Char('\n') +
          Tr(QT_TRANSLATE_NOOP("noralim", "Try 'noralim --help' for more information.")))
      .toStdString();
}

StartupCommand ParseStartup(const std::vector<std::string>& args, std::size_t max_cell_characters) {
  OpenWindow window;
  std::optional<ExportBooklet> booklet;
  ExportBooklet options;
  std::vector<OptionRow> rows = {
      {"help", nullptr, Help, 'h'},
      {"version", nullptr, Version},
      {"pace", QT_TRANSLATE_NOOP("noralim", "a number of milliseconds"),
       [&](std::string_view value, std::string_view name) {
         return SetWholeNumber(value, name, QT_TRANSLATE_NOOP("noralim", "a number of milliseconds"), 0, 1000,
                               &window.pace);
       }},
      {"export", QT_TRANSLATE_NOOP("noralim", "a file name"),
       [&](std::string_view value, std::string_view) {
         options.out = value;
         booklet = options;
         return std::optional<EarlyExit>();
       }},
      {"per-page", QT_TRANSLATE_NOOP("noralim", "1, 2, 4 or 6 puzzles"),
       [&](std::string_view value, std::string_view name) { return SetPerPage(value, name, &options.per_page); }},
      {"solutions", nullptr,
       [&](std::string_view, std::string_view) {
         options.solutions = true;
         return std::optional<EarlyExit>();
       }},
  };
  for (const ToolkitOption& option : kToolkitOptions) {
    const auto pass_on = [&window, flag = option.value == nullptr](std::string_view value, std::string_view name) {
      window.toolkit_args.emplace_back(name);
      if (!flag) window.toolkit_args.emplace_back(value);
      return std::optional<EarlyExit>();
    };
    rows.push_back({option.name, option.value, pass_on, 0, true});
  }
  ParsedLine line = ParseCommandLine(args, rows);
  if (auto* stop = std::get_if<EarlyExit>(&line)) return std::move(*stop);
  auto& operands = std::get<std::vector<std::string>>(line);
  if (booklet) {
    if (operands.empty()) return UsageError{kNothingToExport, {}};
    booklet->per_page = options.per_page;
    booklet->solutions = options.solutions;
    booklet->operands = std::move(operands);
    return std::move(*booklet);
  }
  if (options.per_page != ExportBooklet{}.per_page || options.solutions) {
    return UsageError{kOnlyWithExport, {}};
  }
  return Open(std::move(window), std::get<std::vector<std::string>>(line), max_cell_characters);
}

std::unique_ptr<Form1> OpenForm(const OpenWindow& command) {
  auto form = std::make_unique<Form1>();
  // The size the window had when it was last closed, if any.
  form->restoreGeometry(UserSettings().value(kGeometryKey).toByteArray());
  form->installEventFilter(new SizeKeeper(form.get()));
  form->SetPace(command.pace);
  form->PrepareNewPuzzles();
  // Shown first, so that a notice about the state appears under the window.
  form->show();
  if (command.keep_state) form->KeepState(std::make_unique<StateFile>(StateFile::DefaultPath()));
  if (command.texts) {
    // One more step: the grid left last time is one undo away.
    form->LoadTexts(*command.texts, PuzzleSource{command.source, command.source_file, command.source_line});
  }
  return form;
}

}  // namespace noralim::ui
