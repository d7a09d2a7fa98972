// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// noralim --export: puzzles onto paper with no window and no display.
#pragma once

#include <string>
#include <vector>

namespace noralim::ui {

struct ExportBooklet {
  std::string out;  // OUT.pdf, a booklet; OUT.svg, one puzzle
  int per_page = 4;
  bool solutions = false;
  // PUZZLE, FILE (all its puzzles) or FILE:LINE (one).
  std::vector<std::string> operands;
};

// Writes the booklet or the SVG; needs the toolkit's application object.
// The exit status: 0, or 2 with one line on stderr (a puzzle that cannot be
// read, with the reader's message; an output that cannot be written), in
// which case nothing is left at OUT.
int RunExport(const ExportBooklet& command, std::size_t max_cell_characters);

}  // namespace noralim::ui
