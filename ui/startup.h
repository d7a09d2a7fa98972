// The window program's command line, read before any toolkit object exists,
// so that --help, --version and a bad operand need no display.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "status.h"

namespace noralim::ui {

// Open the window; with the texts of a puzzle when an operand named one.
struct OpenWindow {
  std::optional<GridTexts> texts;
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

extern const char* const kWindowUsage;
extern const char* const kWindowVersion;

}  // namespace noralim::ui
