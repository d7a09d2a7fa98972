// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "ui/startup.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "reader/source.h"
#include "ui/form1.h"

namespace noralim::ui {

const char* const kWindowUsage =
    "Usage: noralim [PUZZLE | FILE[:LINE]]\n"
    "Opens the window for 9x9 number-place puzzles. Type the givens and press\n"
    "\"Calc\" to narrow every cell to its candidates; \"Clear\" empties the grid.\n"
    "\n"
    "  PUZZLE     81 characters row-major ('1'-'9' givens; '.', '0' or '-' empty)\n"
    "  FILE       the first puzzle line or JSON line of FILE is loaded\n"
    "  FILE:LINE  line LINE of FILE is loaded\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "\n"
    "In the window, Ctrl+Shift+C copies the whole grid as one line and\n"
    "Ctrl+Shift+V fills it from a puzzle line or JSON line on the clipboard.\n"
    "Exit status: 0 when the window is closed, 2 for a bad operand.\n";

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

}  // namespace

StartupCommand ParseStartup(const std::vector<std::string>& args) {
  std::vector<std::string> operands;
  bool operands_only = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (operands_only || arg.empty() || arg[0] != '-') {
      operands.push_back(arg);
    } else if (arg == "--") {
      operands_only = true;
    } else if (arg == "--help" || arg == "-h") {
      return ShowHelp{};
    } else if (arg == "--version") {
      return ShowVersion{};
    } else if (IsOneOf(arg, kToolkitOptionsWithValue)) {
      if (arg.find('=') == std::string::npos) ++k;  // the toolkit reads the option and its value
    } else if (!IsOneOf(arg, kToolkitFlags)) {
      return StartupError{"noralim: unknown option '" + arg + "' (see noralim --help)"};
    }
  }
  if (operands.size() > 1) return StartupError{"noralim: more than one operand (see noralim --help)"};
  if (operands.empty()) return OpenWindow{};
  auto loaded = LoadPuzzle(operands.front());
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
