// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/startup.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "reader/commandline.h"
#include "reader/source.h"
#include "ui/form1.h"
#include "ui/gridclipboard.h"
#include "ui/translation.h"

namespace noralim::ui {

// Translated through Tr: see translation.h.
const char* const kWindowUsage =
    QT_TRANSLATE_NOOP("noralim",
                      "Usage: noralim [OPTION]... [PUZZLE | FILE[:LINE]]\n"
                      "Opens the window for 9x9 number-place (sudoku) puzzles. Type the givens and\n"
                      "press \"Calc\" to narrow every cell to its candidates; \"Clear\" empties the grid.\n"
                      "\n"
                      "  PUZZLE      81 characters row-major ('1'-'9' givens; '.', '0' or '-' empty)\n"
                      "  FILE        the first line of FILE that is not blank or a comment is loaded\n"
                      "  FILE:LINE   line LINE of FILE is loaded\n"
                      "  --pace=MS   after each cell a run changes, wait MS milliseconds (0 to 1000)\n"
                      "              so that a person can follow the run; 0, the default, for none\n"
                      "  -h, --help  show this text and exit\n"
                      "  --version   show the version and exit\n"
                      "  --          end the options: the argument after it is the operand\n"
                      "Long options may be shortened to any beginning that names one of them. The\n"
                      "toolkit's own options (-platform NAME, -style NAME, -reverse and the like)\n"
                      "are passed to it.\n"
                      "\n"
                      "In the window, Ctrl+Z and Ctrl+Y undo and redo, Ctrl+W closes, Ctrl+Shift+C\n"
                      "copies the whole grid as one line and Ctrl+Shift+V fills it from a puzzle\n"
                      "line or JSON line on the clipboard; noralim(1) lists every key.\n"
                      "Messages on stderr: \"FILE:LINE: what is wrong\" for an operand that names\n"
                      "no puzzle, \"noralim: what is wrong\" for a usage error.\n"
                      "Exit status: 0 when the window is closed, 2 for a usage error or a bad\n"
                      "operand, or help or version text that cannot be written.\n");

namespace {

// Toolkit options that take a value in the next argument.
constexpr std::array<std::string_view, 12> kToolkitOptionsWithValue = {
    "-platform",   "-platformpluginpath", "-platformtheme", "-plugin",       "-qmljsdebugger", "-style",
    "-stylesheet", "-qwindowgeometry",    "-qwindowicon",   "-qwindowtitle", "-display",       "-session"};

// Toolkit options that stand alone.
constexpr std::array<std::string_view, 5> kToolkitFlags = {"-reverse", "-nograb", "-dograb", "-sync", "-widgetcount"};

template <std::size_t N>
bool IsOneOf(std::string_view arg, const std::array<std::string_view, N>& names) {
  if (arg.size() > 2 && arg[0] == '-' && arg[1] == '-') arg.remove_prefix(1);  // --style works too
  if (const auto equals = arg.find('='); equals != std::string_view::npos) arg = arg.substr(0, equals);
  return std::find(names.begin(), names.end(), arg) != names.end();
}

// A problem of the command line, in words, in the user's language.
QString Translated(const CommandLine& line) {
  const QString option = QString::fromStdString(line.option);
  switch (line.problem) {
    case CommandLine::Problem::UnknownOption:
      return Tr(QT_TRANSLATE_NOOP("noralim", "unknown option '%1'")).arg(option);
    case CommandLine::Problem::AmbiguousOption:
      return Tr(QT_TRANSLATE_NOOP("noralim", "option '%1' is ambiguous")).arg(option);
    case CommandLine::Problem::TakesNoValue:
      return Tr(QT_TRANSLATE_NOOP("noralim", "option '%1' takes no value")).arg(option);
    case CommandLine::Problem::NeedsValue:
      return Tr(QT_TRANSLATE_NOOP("noralim", "option '%1' needs %2")).arg(option, Tr(line.value));
    case CommandLine::Problem::None:
      break;
  }
  return {};
}

// The arguments that are not the toolkit's own options, which are left to it.
std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& args) {
  std::vector<std::string> ours;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (arg == "--") {
      ours.insert(ours.end(), args.begin() + static_cast<std::ptrdiff_t>(k), args.end());
      break;
    }
    if (IsOneOf(arg, kToolkitOptionsWithValue)) {
      if (arg.find('=') == std::string::npos) ++k;  // the toolkit reads the option and its value
    } else if (!IsOneOf(arg, kToolkitFlags)) {
      ours.push_back(arg);
    }
  }
  return ours;
}

StartupError UsageError(const QString& what) {
  return StartupError{(QStringLiteral("noralim: ") + what + QLatin1Char('\n') +
                       Tr(QT_TRANSLATE_NOOP("noralim", "Try 'noralim --help' for more information.")))
                          .toStdString()};
}

// The window with the puzzle the operand names, if it names one.
StartupCommand Open(const std::vector<std::string>& operands, int pace) {
  if (operands.size() > 1) return UsageError(Tr(QT_TRANSLATE_NOOP("noralim", "more than one operand")));
  if (operands.empty()) return OpenWindow{std::nullopt, pace};
  auto loaded = LoadPuzzle(operands.front());
  if (auto* rejected = std::get_if<Rejected>(&loaded)) return StartupError{std::move(rejected->message)};
  GridTexts& texts = std::get<Puzzle>(loaded).texts;
  if (!FitsCells(texts)) {
    return StartupError{
        (QStringLiteral("noralim: ") +
         Tr(QT_TRANSLATE_NOOP("noralim", "a cell holds more than %1 characters")).arg(CellField::kMaxPastedCharacters))
            .toStdString()};
  }
  return OpenWindow{std::move(texts), pace};
}

}  // namespace

StartupCommand ParseStartup(const std::vector<std::string>& args) {
  enum : std::uint8_t { kHelp, kVersion, kPace };
  static constexpr OptionSpec kSpecs[] = {{"help", 'h', nullptr},
                                          {"version", 0, nullptr},
                                          {"pace", 0, QT_TRANSLATE_NOOP("noralim", "a number of milliseconds")}};
  const CommandLine line = ReadCommandLine(WithoutToolkitOptions(args), kSpecs);
  if (line.problem != CommandLine::Problem::None) return UsageError(Translated(line));
  int pace = 0;
  for (const CommandLine::Option& option : line.options) {
    if (option.spec == kHelp) return ShowHelp{};
    if (option.spec == kVersion) return ShowVersion{};
    const char* end = option.value.data() + option.value.size();
    const auto [rest, error] = std::from_chars(option.value.data(), end, pace);
    if (error != std::errc() || rest != end || pace < 0 || pace > 1000) {
      return UsageError(Tr(QT_TRANSLATE_NOOP("noralim", "--pace takes a number of milliseconds from 0 to 1000")));
    }
  }
  return Open(line.operands, pace);
}

std::unique_ptr<Form1> OpenForm(const OpenWindow& command) {
  auto form = std::make_unique<Form1>();
  form->SetPace(command.pace);
  if (command.texts) form->LoadTexts(*command.texts);
  form->show();
  return form;
}

}  // namespace noralim::ui
