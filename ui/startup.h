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

#include "reader/commandline.h"
#include "reader/reader.h"
#include "solver/gridtexts.h"
#include "ui/export.h"

namespace noralim::ui {

class Form1;

// Open the window; with the texts of a puzzle when an operand named one, and
// the pace of its runs (milliseconds after each changed cell).
struct OpenWindow {
  std::optional<GridTexts> texts;
  int pace = 0;
  // The file the puzzle came from, as the title shows it ("puzzles.txt:4");
  // empty for a puzzle given on the command line or none.
  std::string source;
  // That file as a path from the root, and the line its puzzle starts on (0
  // for its first puzzle).
  std::string source_file;
  long source_line = 0;
  // Whether the window restores and keeps its state in the user's data
  // folder (not for the tests).
  bool keep_state = true;
  // The toolkit's own options as it reads them: "-platform", "offscreen".
  std::vector<std::string> toolkit_args;
};
// An operand that names no puzzle: the message for stderr, exit status 2.
struct OperandError {
  std::string message;
};

using StartupCommand = std::variant<OpenWindow, EarlyExit, OperandError, ExportBooklet>;

// args without the program name. The toolkit's own options (-platform NAME,
// -style=NAME, --reverse, ...) are handed on in OpenWindow; at most one
// operand, PUZZLE or FILE[:LINE], is loaded, with cells of at most
// max_cell_characters. With --export, the operands are what to export.
StartupCommand ParseStartup(const std::vector<std::string>& args, std::size_t max_cell_characters);

// Why the window cannot open, in one line, when it would try a display that
// is not there (no -platform, no QT_QPA_PLATFORM, neither DISPLAY nor
// WAYLAND_DISPLAY on a desktop system); nullopt when it may try.
std::optional<std::string> MissingDisplay(const OpenWindow& command);

// What is wrong with an operand, in the user's language: "FILE:LINE: ...".
std::string Translated(const Rejected& rejected);

// A usage error in the user's language, with the pointer to --help.
std::string UsageMessage(const UsageError& error);

// The window as the program opens it, shown, at the size it had when it was
// last closed (kept in the user's settings as it closes), with the operand's
// puzzle in its cells when there was one. Needs the toolkit's application
// object.
std::unique_ptr<Form1> OpenForm(const OpenWindow& command);

// Keeps out of stderr the toolkit's note, for each fallback face and size it
// tries, that the face cannot shape a script such as Syriac or Thaana: a
// cell's text may be any junk pasted into it, which holds many such
// scripts, and every size a cell's text is fitted at would repeat the notes
// by the hundred. They tell a user nothing to act on; every other message
// goes where it went before.
void QuietFontFallbackNotes();

extern const char* const kWindowUsage;

}  // namespace noralim::ui
