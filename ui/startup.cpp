// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/startup.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "reader/commandline.h"
#include "reader/source.h"
#include "ui/form1.h"
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
                      "  FILE        the first puzzle line or JSON line of FILE is loaded\n"
                      "  FILE:LINE   line LINE of FILE is loaded\n"
                      "  -h, --help  show this text and exit\n"
                      "  --version   show the version and exit\n"
                      "  --          end the options: the argument after it is the operand\n"
                      "Long options may be shortened to any beginning that names one of them. The\n"
                      "toolkit's own options (-platform NAME, -style NAME, -reverse and the like)\n"
                      "are passed to it.\n"
                      "\n"
                      "In the window, Ctrl+Shift+C copies the whole grid as one line and\n"
                      "Ctrl+Shift+V fills it from a puzzle line or JSON line on the clipboard.\n"
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

}  // namespace

StartupCommand ParseStartup(const std::vector<std::string>& args) {
  // The toolkit's own options are left to it: the rest is ours.
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
  static constexpr OptionSpec kSpecs[] = {{"help", 'h', nullptr}, {"version", 0, nullptr}};
  const CommandLine line = ReadCommandLine(ours, kSpecs);
  const auto usage_error = [](const QString& what) {
    return StartupError{(QStringLiteral("noralim: ") + what + QLatin1Char('\n') +
                         Tr(QT_TRANSLATE_NOOP("noralim", "Try 'noralim --help' for more information.")))
                            .toStdString()};
  };
  if (line.problem != CommandLine::Problem::None) return usage_error(Translated(line));
  if (!line.options.empty()) {
    if (line.options.front().spec == 0) return ShowHelp{};
    return ShowVersion{};
  }
  if (line.operands.size() > 1) return usage_error(Tr(QT_TRANSLATE_NOOP("noralim", "more than one operand")));
  if (line.operands.empty()) return OpenWindow{};
  auto loaded = LoadPuzzle(line.operands.front());
  if (auto* rejected = std::get_if<Rejected>(&loaded)) return StartupError{std::move(rejected->message)};
  return OpenWindow{std::move(std::get<Puzzle>(loaded).texts)};
}

std::unique_ptr<Form1> OpenForm(const OpenWindow& command) {
  auto form = std::make_unique<Form1>();
  if (command.texts) form->LoadTexts(*command.texts);
  form->show();
  return form;
}

}  // namespace noralim::ui
