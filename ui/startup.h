// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The window program's command line, read before any toolkit object exists,
// so that --help, --version and a bad operand need no display.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "solver/gridtexts.h"

namespace noralim::ui {

class Form1;

// Open the window; with the texts of a puzzle when an operand named one, and
// the pace of its runs (milliseconds after each changed cell).
struct OpenWindow {
  std::optional<GridTexts> texts;
  int pace = 0;
};
struct ShowHelp {};
struct ShowVersion {};
// The message for stderr, and exit status 2.
struct StartupError {
  std::string message;
};

using StartupCommand = std::variant<OpenWindow, ShowHelp, ShowVersion, StartupError>;

// args without the program name. The toolkit's own options (-platform NAME,
// -style NAME, -reverse, ...) are passed over here and left to the toolkit;
// at most one operand, PUZZLE or FILE[:LINE], is loaded.
StartupCommand ParseStartup(const std::vector<std::string>& args);

// The window as the program opens it, shown, with the operand's puzzle in its
// cells when there was one. Needs the toolkit's application object.
std::unique_ptr<Form1> OpenForm(const OpenWindow& command);

extern const char* const kWindowUsage;

}  // namespace noralim::ui
