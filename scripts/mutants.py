#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Copyright 2026 The Noralim developers

"""Seeded faults: how many plausible mistakes does the test suite catch?

Each fault replaces one exact snippet in one file with a plausible mistake.
The script copies the working tree to a scratch folder, builds it once, checks
that the suite passes there, and then, fault by fault, applies the fault,
rebuilds, runs the default ctest run (one test at a time, stopping at the
first failure) and puts the file back. A fault is killed when the build succeeds and some test fails
or times out; it survives when every test passes. A fault whose snippet is no
longer found exactly once is reported as stale: mend its snippet.

    scripts/mutants.py                  # every fault, scratch in build-mutants/
    scripts/mutants.py box-own-value    # only the named faults
    scripts/mutants.py --list           # the faults and what each models

A developer tool, not part of CI: a full run takes the better part of an hour
on two cores.
"""
import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent


def fault(name, path, find, replace, models, *older):
    """One fault; `older` holds (path, find, replace) for earlier versions of
    the code, so that the same fault can be measured before and after a
    change that moved or reworded its snippet."""
    return {"name": name, "models": models, "places": [(path, find, replace), *older]}


FAULTS = [
    # --- solver: the passes ---------------------------------------------
    fault("working-string-settled", "solver/passes.h",
          "return Length(cell) == 0 ? Text(TextConstants<Text>::Full()) : cell;",
          "return Length(cell) <= 1 ? Text(TextConstants<Text>::Full()) : cell;",
          "a settled target starts its working string from all nine digits"),
    fault("box-own-value", "solver/passes.h",
          "if (c == except) continue;",
          "",
          "the box pass removes a target's own value from its working string"),
    fault("remove-long-texts", "solver/passes.h",
          "if (Length(t) == 1) w = RemoveAll(std::move(w), t);",
          "if (Length(t) >= 1) w = RemoveAll(std::move(w), t);",
          "candidate strings are removed from other cells as if settled"),
    fault("line-tests-working-string", "solver/passes.h",
          "    if (Length(grid.GetCellText(target)) == 1) continue;",
          "    if (Length(w) == 1) continue;",
          "the line passes decide the write on the working string, not the cell"),
    fault("line-writes-settled", "solver/passes.h",
          "    if (Length(grid.GetCellText(target)) == 1) continue;",
          "",
          "the line passes write settled targets too"),
    fault("line-skips-unchanged", "solver/passes.h",
          "    grid.SetCellText(target, w);",
          "    if (!(grid.GetCellText(target) == w)) grid.SetCellText(target, w);",
          "the line passes skip the write when nothing changes"),
    fault("hidden-single-no-nine", "solver/passes.h",
          "for (int d = 1; d <= 9; ++d) {",
          "for (int d = 1; d < 9; ++d) {",
          "the hidden-single phase never places a 9"),
    fault("hidden-single-not-rewritten", "solver/passes.h",
          "if (count == 1) grid.SetCellText(last, digit);",
          "if (count == 1 && !(grid.GetCellText(last) == digit)) grid.SetCellText(last, digit);",
          "a forced digit is not written again when the cell already holds it"),
    fault("hidden-single-counts-settled-only-once", "solver/passes.h",
          "if (ContainsText(grid.GetCellText(i), digit)) {",
          "if (Length(grid.GetCellText(i)) > 1 && ContainsText(grid.GetCellText(i), digit)) {",
          "settled cells are not counted in the hidden-single phase"),
    fault("box-elimination-skips-unchanged", "solver/passes.h",
          "    grid.SetCellText(k, w);",
          "    if (!(w == grid.GetCellText(k))) grid.SetCellText(k, w);",
          "the box pass writes only the cells it changes"),
    fault("box-writes-the-contradiction", "solver/passes.h",
          "    if (Length(w) == 0) return detail::ContradictionAt(grid, UnitKind::Box, n, k);\n    grid.SetCellText(k, w);",
          "    grid.SetCellText(k, w);\n    if (Length(w) == 0) return detail::ContradictionAt(grid, UnitKind::Box, n, k);",
          "the box pass empties the cell before it stops at a contradiction"),
    fault("repeat-names-the-target", "solver/passes.h",
          "if (c != target && grid.GetCellText(c) == value) {",
          "if (grid.GetCellText(c) == value) {",
          "a repeat names the target itself as the other copy"),
    # --- solver: the sweep loop and commands -----------------------------
    fault("column-before-box", "solver/solve.h",
          "      PassEnd found = SolveBox(grid, n);\n      if (!found) found = SolveColumn(grid, n);",
          "      PassEnd found = SolveColumn(grid, n);\n      if (!found) found = SolveBox(grid, n);",
          "the column pass runs before the box pass of the same unit number"),
    fault("no-events-per-unit", "solver/solve.h",
          "      window.ProcessPendingEvents();\n    }",
          "    }\n    window.ProcessPendingEvents();",
          "events are processed once a sweep instead of once a unit number"),
    fault("compare-with-start", "solver/solve.h",
          "    snapshot = std::move(end);",
          "",
          "each sweep is compared with the grid the run started from"),
    fault("contradiction-sweeps-short", "solver/solve.h",
          "if (found) return {sweeps, SolveEnd::Contradiction, *found};",
          "if (found) return {sweeps - 1, SolveEnd::Contradiction, *found};",
          "a run that stops at a contradiction leaves out the sweep it stopped in"),
    fault("idle-order", "solver/solve.h",
          "    window_.SetCalcEnabled(true);\n    window_.SetMousePointer(MousePointer::Default);",
          "    window_.SetMousePointer(MousePointer::Default);\n    window_.SetCalcEnabled(true);",
          "the pointer is restored before \"Calc\" is enabled"),
    fault("clear-misses-last", "solver/solve.h",
          "for (CellIndex i = 1; i <= kCellCount; ++i) grid.SetCellText(i, empty);",
          "for (CellIndex i = 1; i < kCellCount; ++i) grid.SetCellText(i, empty);",
          "\"Clear\" leaves cell 81"),
    fault("remove-first-copy-only", "solver/celltext.cpp",
          "std::erase(w, t.front());",
          "if (const auto at = w.find(t.front()); at != CellText::npos) w.erase(at, 1);",
          "RemoveAll removes only the first copy of a character"),
    fault("utf8-two-byte-bound", "solver/celltext.cpp",
          "} else if (cp < 0x800) {",
          "} else if (cp <= 0x800) {",
          "U+0800 is encoded in two bytes"),
    fault("classify-empty-is-open", "solver/status.cpp",
          "if (t.empty()) return GridStatus::Invalid;",
          "if (t.empty()) continue;",
          "an emptied cell does not make the grid invalid",
          ("solver/status.h", "if (Length(t) == 0) return GridStatus::Invalid;", "if (Length(t) == 0) continue;")),
    fault("classify-ignores-boxes", "solver/status.h",
          "for (const UnitKind kind : kUnitKinds) {",
          "for (const UnitKind kind : {UnitKind::Column, UnitKind::Row}) {",
          "a value repeated inside a box is not invalid",
          ("solver/status.cpp", "for (const UnitKind kind : kUnitKinds) {",
           "for (const UnitKind kind : {UnitKind::Column, UnitKind::Row}) {")),
    fault("classify-placeless-open", "solver/status.cpp",
          "        places != kAllDigits.Bits()) {",
          "        places == 0) {",
          "a unit with a digit no cell can hold is not invalid on the compact grid"),
    fault("lanes-box-misses-contradiction", "solver/laneskernel.h",
          "    cells[unit.cell[k]] = w;\n    *empty |= reinterpret_cast<Lanes16>(w == 0);\n    before |= ValueOf(w);\n  }\n  Lanes16 done",
          "    cells[unit.cell[k]] = w;\n    before |= ValueOf(w);\n  }\n  Lanes16 done",
          "the lanes' box pass goes on past a contradiction"),
    fault("classify-letter-solved", "solver/status.cpp",
          "solved = solved && IsDigitValue(t);",
          "solved = solved && t.size() == 1;",
          "a grid of single letters counts as solved",
          ("solver/status.h", "solved = solved && IsDigitValue(t);", "solved = solved && Length(t) == 1;")),
    fault("digitset-takes-repeats", "solver/digitgrid.cpp",
          "if (c <= previous || c > U'9') return std::nullopt;",
          "if (c < previous || c > U'9') return std::nullopt;",
          "a text with a repeated digit runs on the compact grid"),
    # --- solver: the lane engine and classification from masks -------------
    fault("lanes-box-ignores-later-cells", "solver/laneskernel.h",
          "const Lanes16 w = Working(cells[unit.cell[k]]) & ~(before | after[k]);",
          "const Lanes16 w = Working(cells[unit.cell[k]]) & ~before;",
          "the lanes' box pass misses the values settled behind a target"),
    fault("lanes-line-writes-settled", "solver/laneskernel.h",
          "const Lanes16 w = (keep & m) | (~keep & Working(m) & ~(before | after[k]));",
          "const Lanes16 w = Working(m) & ~(before | after[k]);",
          "the lanes' line passes write settled targets too"),
    fault("lanes-revisit-lower-digits", "solver/laneskernel.h",
          "done |= (lowest << 1) - 1;",
          "done |= lowest;",
          "the lanes' hidden singles look again at digits below the one just written"),
    fault("lanes-overflow-as-settled", "solver/laneskernel.h",
          "sweeps[grid[j]] = settled ? lane_sweeps[j] : 0;",
          "sweeps[grid[j]] = lane_sweeps[j];",
          "a run past the lanes' bound is reported as settled instead of finished on the scalar path"),
    fault("lanes-compare-misses-a-cell", "solver/laneskernel.h",
          "for (int i = 0; i < kCellCount; ++i) changed |= reinterpret_cast<Lanes16>(cells[i] != snapshot[i]);",
          "for (int i = 1; i < kCellCount; ++i) changed |= reinterpret_cast<Lanes16>(cells[i] != snapshot[i]);",
          "the lanes' end-of-sweep comparison skips cell 1"),
    fault("classify-masks-ignores-boxes", "solver/status.cpp",
          "const auto& unit = u < 9 ? detail::kBoxes[u] : u < 18 ? detail::kColumns[u - 9] : detail::kRows[u - 18];",
          "const auto& unit = u < 9 ? detail::kRows[u] : u < 18 ? detail::kColumns[u - 9] : detail::kRows[u - 18];",
          "a value repeated inside a box is not invalid when classified from masks"),
    fault("remove-overlapping-copies", "solver/celltext.cpp",
          "      pos += t.size();",
          "      pos += 1;",
          "RemoveAll steps one character past a copy of a longer text, taking overlapping copies"),
    # --- reader -----------------------------------------------------------
    fault("reader-keeps-cr", "reader/linetext.h",
          "if (!line.empty() && line.back() == '\\r') line.remove_suffix(1);",
          "",
          "a CR LF line end is not taken as a line end",
          ("reader/reader.cpp", "if (!line.empty() && line.back() == '\\r') line.remove_suffix(1);", "")),
    fault("reader-no-tab-trim", "reader/linetext.h",
          'const auto first = s.find_first_not_of(" \\t");',
          'const auto first = s.find_first_not_of(" ");',
          "leading tabs are not skipped",
          ("reader/reader.cpp", 'const auto first = s.find_first_not_of(" \\t");',
           'const auto first = s.find_first_not_of(" ");')),
    fault("reader-dash-not-empty", "reader/reader.cpp",
          "const bool empty = c == '.' || c == '0' || c == '-';",
          "const bool empty = c == '.' || c == '0';",
          "'-' is not an empty cell"),
    fault("reader-column-ignores-blanks", "reader/reader.cpp",
          "return UnexpectedCharacter(c, column_offset + k + 1);",
          "return UnexpectedCharacter(c, k + 1);",
          "a column number ignores the blanks before the puzzle",
          ("reader/reader.cpp", '" at column " + std::to_string(column_offset + k + 1)',
           '" at column " + std::to_string(k + 1)')),
    fault("reader-del-printed-raw", "reader/reader.cpp",
          "if (byte >= 0x20 && byte < 0x7F) {\n    return Rejected{{}, messages::kUnexpectedCharacter",
          "if (byte >= 0x20 && byte <= 0x7F) {\n    return Rejected{{}, messages::kUnexpectedCharacter",
          "a DEL byte is quoted raw in a message",
          ("reader/reader.cpp", "if (byte >= 0x20 && byte < 0x7F) {\n    std::snprintf(buffer, sizeof buffer, \"'%c'\", c);",
           "if (byte >= 0x20 && byte <= 0x7F) {\n    std::snprintf(buffer, sizeof buffer, \"'%c'\", c);")),
    fault("reader-json-bytes-raw", "reader/reader.cpp",
          "if (byte >= 0x20 && byte < 0x7F) {\n      out.push_back(c);",
          "if (byte >= 0x20 && byte != 0x7F) {\n      out.push_back(c);",
          "bytes above 0x7F reach the terminal raw in a JSON message"),
    fault("reader-depth-off-by-one", "reader/reader.cpp",
          "if (NestingDepth(line) > kMaxJsonDepth) {",
          "if (NestingDepth(line) >= kMaxJsonDepth) {",
          "JSON nested exactly to the limit is rejected"),
    fault("reader-drops-id", "reader/reader.cpp",
          "if (const auto id = value.find(\"id\"); id != value.end()) puzzle.id = id->dump();",
          "",
          "the id of a JSON object line is lost",
          ("reader/reader.cpp", "if (const auto id = value.find(\"id\"); id != value.end()) puzzle.id = *id;", "")),
    fault("reader-cells-wrong-order", "reader/reader.cpp",
          "puzzle.texts[CellAtPosition(p) - 1] = std::move(*text);",
          "puzzle.texts[static_cast<std::size_t>(p)] = std::move(*text);",
          "JSON cells are taken box-major instead of row-major"),
    fault("linereader-drops-last-line", "reader/linereader.cpp",
          "      if (!any) return Status::End;\n      break;",
          "      return Status::End;",
          "a last line without a line feed is dropped"),
    fault("linereader-limit-off-by-one", "reader/linereader.cpp",
          "if (line->size() + piece > kMaxLineBytes) {",
          "if (line->size() + piece >= kMaxLineBytes) {",
          "a line of exactly the limit is rejected as too long"),
    fault("linereader-long-line-uncounted", "reader/linereader.cpp",
          "  ++line_number_;\n",
          "  if (!too_long) ++line_number_;\n",
          "an overlong line is not counted, so later messages name the wrong line",
          ("reader/linereader.cpp", "  ++line_number_;\n  return too_long", "  if (!too_long) ++line_number_;\n  return too_long")),
    fault("source-line-zero", "reader/source.cpp",
          "ParseWholeNumber(text, 1,",
          "ParseWholeNumber(text, 0,",
          "FILE:0 is taken as the first puzzle of FILE",
          ("reader/source.cpp", "ParseWholeNumber(operand.substr(colon + 1), 1,",
           "ParseWholeNumber(operand.substr(colon + 1), 0,"),
          ("reader/source.cpp", "end != digits.data() + digits.size() || number < 1) {",
           "end != digits.data() + digits.size() || number < 0) {")),
    fault("source-line-zero-too-large", "reader/source.cpp",
          "if (text.find_first_not_of('0') == std::string_view::npos) return Problem(operand, messages::kLineFromOne);",
          "",
          "FILE:0 is called too large a line number"),
    fault("source-comment-line-loads", "reader/gridtext.cpp",
          "if (first_line_starts_) return At(Rejected{{}, messages::kNoPuzzleOnLine, {}}, number);",
          "",
          "FILE:LINE on a comment line is not named as such",
          ("reader/gridtext.cpp", "if (first && first_line_starts_) return At(Rejected{{}, messages::kNoPuzzleOnLine, {}}, number);",
           ""),
          ("reader/source.cpp", "    if (wanted != 0) return Problem(name, number, \"no puzzle on this line (blank or a comment)\");",
           ""),
          ("reader/source.cpp", "      return Problem(name, number, \"no puzzle on this line (blank or a comment)\");",
           "      continue;")),
    fault("source-literal-message", "reader/source.cpp",
          "rejected.where = \"puzzle\";\n      return std::move(rejected);",
          "return Problem(operand, messages::kSystemError, {std::strerror(open_error)});",
          "a mistyped puzzle operand is reported as a missing file",
          ("reader/source.cpp", "return Rejected{\"puzzle: \" + std::get<Rejected>(result).message};",
           "return Problem(operand, std::strerror(open_error));")),
    fault("number-trailing-junk", "reader/commandline.cpp",
          "error != std::errc() || rest != end ||",
          "error != std::errc() ||",
          "a number followed by other characters (-j 4x, --pace=100ms) is taken"),
    fault("literal-dash-not-puzzle", "reader/source.cpp",
          'return operand.find_first_not_of("123456789.0-") == std::string_view::npos;',
          'return operand.find_first_not_of("123456789.0") == std::string_view::npos;',
          "a puzzle operand with '-' blanks is looked for as a file"),
    fault("json-operand-as-file", "reader/source.cpp",
          "  if (LooksLikeJson(operand)) return FromJson(operand, max_cell_characters);",
          "",
          "a JSON line given as the operand is looked for as a file"),
    # --- reader: one grid in every form -------------------------------------
    fault("grid-bang-not-comment", "reader/gridtext.cpp",
          "content.front() == '#' || content.front() == '!') return true;",
          "content.front() == '#') return true;",
          "a '!' comment line of an .ss file is read as a row"),
    fault("grid-equals-not-border", "reader/gridtext.cpp",
          'content.find_first_not_of("-=+|* \\t")',
          'content.find_first_not_of("-+|* \\t")',
          "a border line of '=' is read as a row"),
    fault("grid-fields-as-typed", "reader/gridtext.cpp",
          "SetCell(column, ToCellText(DigitSet::FromBits(static_cast<std::uint16_t>(mask))));",
          "SetCell(column, CellText(field.begin(), field.end()));",
          "a field of candidates keeps the order it was typed in",
          ("reader/gridtext.cpp", "SetCell(column, DigitsOf(mask));", "SetCell(column, CellText(field.begin(), field.end()));")),
    fault("grid-short-first-row-as-line", "reader/gridtext.cpp",
          " || content.size() <= kLongestRowGuess) {",
          ") {",
          "a short first row is called a short puzzle line"),
    fault("grid-space-not-candidate-blank", "reader/gridtext.cpp",
          "c == '-' || c == ' '; }",
          "c == '-'; }",
          "a space is no blank in a line of 729 candidates"),
    fault("grid-misplaced-digit-unexpected", "reader/gridtext.cpp",
          "} else if (IsDigit(c)) {",
          "} else if (c == '\\0') {",
          "a digit out of place among candidates is called an unexpected character"),
    fault("grid-keeps-byte-order-mark", "reader/gridtext.cpp",
          'if (text.starts_with("\\xEF\\xBB\\xBF")) text.remove_prefix(3);',
          "",
          "a byte-order mark before a pasted grid is read as part of its first row"),
    fault("grid-cut-short-wrong-line", "reader/gridtext.cpp",
          "{std::to_string(rows_)}}, start_);",
          "{std::to_string(rows_)}}, start_ + rows_);",
          "a grid cut short is named at its last line, not its first"),
    fault("writer-letter-as-digit", "reader/writer.cpp",
          "if (IsDigitValue(t)) {\n      line[static_cast<std::size_t>(p)] = static_cast<char>(t[0]);",
          "if (t.size() == 1 && t[0] < 0x80) {\n      line[static_cast<std::size_t>(p)] = static_cast<char>(t[0]);",
          "a grid with a letter is written as a puzzle line"),
    fault("grid-tenth-row-ignored", "reader/gridtext.cpp",
          "    return At(Rejected{{}, messages::kTenthRow, {}}, number);",
          "    return Finish();",
          "a grid of ten rows is cut to nine"),
    # --- command line -----------------------------------------------------
    fault("jobs-limit-off-by-one", "cli/options.cpp",
          "\"a number of threads\", 1, kMaxJobs,",
          "\"a number of threads\", 1, kMaxJobs - 1,",
          "-j 256 is refused",
          ("cli/options.cpp", "*jobs >= 1 && *jobs <= kMaxJobs;", "*jobs >= 1 && *jobs < kMaxJobs;")),
    fault("trace-without-json", "cli/options.cpp",
          "options.json = true;\n         return Set(&options.trace);",
          "return Set(&options.trace);",
          "--trace does not imply --json",
          ("cli/options.cpp", "options.trace = options.json = true;", "options.trace = true;")),
    fault("dash-is-an-option", "cli/batch.cpp",
          "if (name != \"-\") {",
          "if (!name.empty()) {",
          "'-' is not taken for standard input",
          ("cli/options.cpp",
          "} else if (operands_only || arg == \"-\" || arg.empty() || arg[0] != '-') {",
          "} else if (operands_only || arg.empty() || arg[0] != '-') {")),
    fault("literal-numbered-from-zero", "cli/batch.cpp",
          "Next(*batch) = {++number, puzzle, false};",
          "Next(*batch) = {number++, puzzle, false};",
          "-p puzzles are numbered from 0 in messages",
          ("cli/batch.cpp", "pending_.push_back({static_cast<long>(pending_.size()) + 1, ReadLine(puzzle), {}, {}});",
           "pending_.push_back({static_cast<long>(pending_.size()), ReadLine(puzzle), {}, {}});")),
    fault("reject-overrides-failure", "cli/batch.cpp",
          "if (exit_status_ == 0) exit_status_ = 1;",
          "exit_status_ = 1;",
          "a rejected line after an unreadable file exits 1 instead of 2"),
    fault("read-error-loses-lines", "cli/batch.cpp",
          "--batch->count;",
          "batch->count = status == LineReader::Status::Error ? 0 : batch->count - 1;",
          "the lines read before a read error are dropped",
          ("cli/batch.cpp", "      if (status == LineReader::Status::Error) {\n        --batch->count;",
           "      if (status == LineReader::Status::Error) {\n        batch->count = 0;"),
          ("cli/batch.cpp", "        const int error = errno;\n        --batch->count;",
           "        const int error = errno;\n        batch->count = status == LineReader::Status::Error ? 0 : batch->count - 1;"),
          ("cli/batch.cpp", "        const int error = errno;\n        Flush(name);",
           "        const int error = errno;\n        pending_.clear();")),
    fault("full-device-succeeds", "cli/batch.cpp",
          "(std::fflush(out_) != 0 || std::ferror(out_) != 0)) OnWriteError();",
          "false) OnWriteError();",
          "output that could not be written is reported as success",
          ("cli/batch.cpp", "if (std::fflush(out_) != 0 || std::ferror(out_) != 0) {", "if (false) {")),
    fault("write-error-noticed-late", "cli/batch.cpp",
          "if (!write_failed_ && std::fwrite(text.data(), 1, text.size(), out_) != text.size()) OnWriteError();",
          "std::fwrite(text.data(), 1, text.size(), out_);",
          "a full disk is noticed only once the whole input has been solved"),
    fault("file-message-out-of-order", "cli/batch.cpp",
          "    batch.failure = std::move(failure);\n",
          "    Fail(failure);\n",
          "with several threads, a file's message comes before the lines of earlier batches"),
    fault("summary-upper-median", "cli/summary.cpp",
          "long remaining = (Total() - 1) / 2;",
          "long remaining = Total() / 2;",
          "the summary's median is the upper one"),
    fault("summary-empty-bar", "cli/summary.cpp",
          "const long bar = count == 0 ? 0 : std::max(1L, count * kBarWidth / most);",
          "const long bar = count * kBarWidth / most;",
          "a rare sweep count gets no mark in the histogram"),
    fault("masks-row-major", "reader/reader.cpp",
          "    cells[kSlotOfPosition[p]] = DigitSet::FromBits(mask);",
          "    cells[static_cast<std::size_t>(p)] = DigitSet::FromBits(mask);",
          "a puzzle line read straight to masks is taken box-major",
          ("reader/reader.cpp",
           "for (int p = 0; p < kCellCount; ++p) slots[p] = static_cast<std::uint8_t>(CellAtPosition(p) - 1);",
           "for (int p = 0; p < kCellCount; ++p) slots[p] = static_cast<std::uint8_t>(p);")),
    fault("json-masks-drops-id", "cli/output.cpp",
          "  if (id) {\n    *out += \",\\\"id\\\":\";",
          "  if (false) {\n    *out += \",\\\"id\\\":\";",
          "--json output from masks loses the line's id"),
    fault("plain-letter-shown", "cli/output.cpp",
          "char PlainChar(const CellText& t) { return IsDigitValue(t) ? static_cast<char>(t[0]) : '.'; }",
          "char PlainChar(const CellText& t) { return t.size() == 1 ? static_cast<char>(t[0]) : '.'; }",
          "the plain line shows a settled letter as if it were a digit"),
    fault("json-drops-id", "cli/output.cpp",
          "if (puzzle.id) out[\"id\"] = nlohmann::ordered_json::parse(*puzzle.id);",
          "",
          "--json output loses the line's id",
          ("cli/output.cpp", "if (puzzle.id) out[\"id\"] = *puzzle.id;", "")),
    fault("sigpipe-ignored", "cli/console.cpp",
          "std::signal(SIGPIPE, SIG_DFL);",
          "",
          "a gone reader makes noralim-solve report write errors instead of ending quietly",
          ("cli/main.cpp", "std::signal(SIGPIPE, SIG_DFL);", "")),
    fault("rate-cell-box-major", "cli/solvelines.cpp",
          "if (!ToDigitSet(texts[kSlotOfPosition[p]])) return p + 1;",
          "if (!ToDigitSet(texts[kSlotOfPosition[p]])) return kSlotOfPosition[p] + 1;",
          "the --rate rejection numbers the cell box-major instead of as the line has it"),
    # --- window -----------------------------------------------------------
    fault("style-three-as-two", "ui/cellstyle.cpp",
          "    case 3:\n      return {false, 11.0};",
          "    case 3:\n      return {false, 12.0};",
          "three characters are shown at 12 points"),
    fault("style-counts-line-break-once", "ui/cellstyle.cpp",
          "const CellStyle style = CellStyleFor(cell.CellTextValue().size());",
          "const CellStyle style = CellStyleFor(static_cast<std::size_t>(cell.toPlainText().size()));",
          "a line break counts as one character for the style"),
    fault("cell-shift-enter-kept", "ui/cellfield.cpp",
          "bool IsDocumentBreak(char32_t c) { return c == U'\\n' || c == 0x2028 || c == 0x2029; }",
          "bool IsDocumentBreak(char32_t c) { return c == U'\\n' || c == 0x2029; }",
          "Shift+Enter gives a line separator instead of CR LF"),
    fault("cell-lone-cr-kept", "ui/cellfield.cpp",
          "plain.push_back(c == U'\\r' ? U'\\n' : c);",
          "plain.push_back(c);",
          "a written lone CR is not a line break"),
    fault("cell-tab-typed", "ui/cellfield.cpp",
          "  setTabChangesFocus(true);\n",
          "",
          "Tab types a tab character instead of moving on"),
    fault("tab-order-skips-first", "ui/form1.cpp",
          "if (i > 1) setTabOrder(Text1(static_cast<CellIndex>(i - 1)), Text1(i));",
          "if (i > 2) setTabOrder(Text1(static_cast<CellIndex>(i - 1)), Text1(i));",
          "Tab from cell 1 does not lead to cell 2"),
    fault("layout-box-step", "ui/form1.cpp",
          "constexpr int kBoxStep = 98;",
          "constexpr int kBoxStep = 97;",
          "boxes stand without a gap between them"),
    fault("close-not-noted", "ui/form1.cpp",
          "  closing_ = true;\n  grid_->EndPause();",
          "  grid_->EndPause();",
          "a solve goes on writing behind a closed window",
          ("ui/form1.cpp", "  closing_ = true;\n  QWidget::closeEvent(event);", "  QWidget::closeEvent(event);")),
    fault("write-after-close", "ui/windowgrid.cpp",
          "  if (closing_) throw SolveStopped();\n  writing_ = i;",
          "  writing_ = i;",
          "a write is made after the window was closed",
          ("ui/windowgrid.cpp", "  if (closing_) throw SolveStopped();\n  const bool changes", "  const bool changes"),
          ("ui/windowgrid.cpp", "  if (closing_) throw SolveStopped();\n  Cell(i).SetCellTextValue(text);",
           "  Cell(i).SetCellTextValue(text);")),
    fault("busy-pointer-stacks", "ui/formservices.cpp",
          "if (busy == busy_) return;  // overrides stack; keep exactly one of ours",
          "",
          "the busy pointer is pushed twice and outlives the run"),
    fault("paste-skips-rejected", "reader/gridtext.cpp",
          "    if (auto read = reader.Add(line, number)) return std::move(*read);",
          "    if (auto read = reader.Add(line, number); read && std::holds_alternative<Puzzle>(read->result)) return std::move(*read);",
          "a paste skips a rejected line and takes a later puzzle"),
    fault("toolkit-value-as-operand", "ui/startup.cpp",
          "rows.push_back({option.name, option.value, pass_on, 0, true});",
          "rows.push_back({option.name, nullptr, pass_on, 0, true});",
          "the value of -style NAME is taken as a puzzle operand",
          ("ui/startup.cpp", "if (arg.find('=') == std::string::npos) ++k;", "")),
    fault("toolkit-equals-refused", "reader/commandline.cpp",
          "const std::string_view name = arg.substr(1, arg.find('=') - 1);",
          "const std::string_view name = arg.substr(1);",
          "-platform=offscreen is not read as -platform offscreen"),
    fault("operand-not-loaded", "ui/startup.cpp",
          "if (command.texts) form->LoadTexts(*command.texts);",
          "",
          "the window opens empty although a puzzle was given",
          ("ui/main.cpp", "if (const auto& texts = std::get<OpenWindow>(command).texts) form.LoadTexts(*texts);", "")),
    fault("tab-entry-keeps-caret", "ui/cellfield.cpp",
          "if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::OtherFocusReason) selectAll();",
          "if (reason == Qt::OtherFocusReason) selectAll();",
          "a digit typed after Tab is inserted into the candidates instead of replacing them"),
    fault("arrow-leaves-mid-text", "ui/cellfield.cpp",
          "    case Qt::Key_Right:\n      return cursor.atEnd();",
          "    case Qt::Key_Right:\n      return true;",
          "Right leaves the cell although the caret is inside the text"),
    fault("arrow-moves-in-box-order", "ui/form1_keys.cpp",
          "Text1(CellAt(row, column))->setFocus(Qt::OtherFocusReason);",
          "Text1(static_cast<CellIndex>(std::clamp(from + (row - RowOf(from)) * 9 + column - ColumnOf(from), 1, 81)))->setFocus(Qt::OtherFocusReason);",
          "arrow keys follow the cells' box-major numbers instead of the grid"),
    fault("paste-bound-ignored", "ui/cellfield.cpp",
          "  if (Takes(source->text())) insertPlainText(source->text());",
          "  insertPlainText(source->text());",
          "a paste into a cell can make it longer than the bound"),
    fault("load-not-a-step", "ui/form1_steps.cpp",
          "AsStep(Step::Grid, [&] { WriteAll(texts); });",
          "WriteAll(texts);",
          "undo after a load jumps past the loaded puzzle",
          ("ui/form1.cpp", "  if (!running_) Record();\n  WriteAll(texts);\n  if (!running_) Record();", "  WriteAll(texts);")),
    fault("undo-during-run", "ui/form1_keys.cpp",
          "      return step_ == Step::None && history_->CanUndo();",
          "      return history_->CanUndo();",
          "undo rewrites the grid in the middle of a run",
          ("ui/form1_steps.cpp", "void Form1::Undo() {\n  if (step_ != Step::None) return QApplication::beep();",
           "void Form1::Undo() {"),
          ("ui/form1.cpp", "void Form1::Undo() {\n  if (running_) return QApplication::beep();", "void Form1::Undo() {")),
    fault("undo-tears", "ui/form1_steps.cpp",
          "  step_ = Step::Grid;\n  WriteAll(texts);",
          "  WriteAll(texts);",
          "a second undo inside the first records a grid half written",
          ("ui/form1_steps.cpp", "  step_ = Step::Grid;\n  WriteAll(*texts);", "  WriteAll(*texts);")),
    fault("history-too-short", "ui/gridhistory.h",
          "static constexpr std::size_t kSteps = 100;",
          "static constexpr std::size_t kSteps = 10;",
          "only ten steps can be undone"),
    fault("pace-not-kept", "ui/form1.cpp",
          "void Form1::SetPace(int milliseconds) { grid_->SetPace(milliseconds); }",
          "void Form1::SetPace(int milliseconds) { static_cast<void>(milliseconds); }",
          "--pace is read but a run goes at full speed",
          ("ui/form1.cpp", "    running_ = true;\n    grid_->SetPace(pace_);", "    running_ = true;")),
    fault("box-name-wrong", "ui/accessibility.cpp",
          ".arg(RowOf(i)).arg(ColumnOf(i)).arg(BoxOf(i));",
          ".arg(RowOf(i)).arg(ColumnOf(i)).arg((i - 1) % 9 + 1);",
          "a cell's accessible name gives its place in the box as the box"),
    fault("bound-ignores-selection", "ui/cellfield.cpp",
          "CellTextValue().size() - selected + FromDocument",
          "CellTextValue().size() + FromDocument",
          "typing over a selection in a full cell is refused, as if nothing were replaced"),
    fault("cell-takes-tenth-row", "ui/cellfield.cpp",
          "refusal.tenth_row) return emit gridRefused(refusal.message);",
          "refusal.tenth_row && false) return emit gridRefused(refusal.message);",
          "Ctrl+V of a grid with a tenth row puts the whole text into the cell"),
    fault("report-letter-settled", "ui/accessibility.cpp",
          "    if (!digits) {",
          "    if (!digits && text.size() != 1) {",
          "the end-of-run report counts a letter or a digit of another script as settled"),
]


def run(command, cwd, log, timeout=None):
    with open(log, "ab") as out:
        out.write(("\n$ " + " ".join(command) + "\n").encode())
        out.flush()
        try:
            return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT, timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            return -1


def copy_tree(scratch):
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT, check=True,
                           capture_output=True, text=True).stdout.split("\n")
    for name in filter(None, files):
        source = ROOT / name
        if not source.is_file():
            continue
        target = scratch / name
        target.parent.mkdir(parents=True, exist_ok=True)
        if not target.exists() or target.read_bytes() != source.read_bytes():
            shutil.copy(source, target)  # a fresh time stamp, so that make rebuilds what depends on it


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("names", nargs="*", help="run only these faults")
    parser.add_argument("--list", action="store_true", help="list the faults and exit")
    parser.add_argument("--scratch", default=str(ROOT / "build-mutants"), help="scratch folder")
    args = parser.parse_args()

    faults = [f for f in FAULTS if not args.names or f["name"] in args.names]
    if args.list:
        for f in FAULTS:
            print(f"{f['name']:40} {f['places'][0][0]:24} {f['models']}")
        print(f"{len(FAULTS)} faults")
        return 0
    unknown = set(args.names) - {f["name"] for f in FAULTS}
    if unknown:
        print("unknown faults: " + ", ".join(sorted(unknown)), file=sys.stderr)
        return 2

    scratch = pathlib.Path(args.scratch)
    source = scratch / "src"
    build = scratch / "build"
    log = scratch / "log.txt"
    source.mkdir(parents=True, exist_ok=True)
    log.write_text("")
    copy_tree(source)
    print(f"scratch: {scratch} (build output in {log})", flush=True)
    configure = ["cmake", "-S", str(source), "-B", str(build), "-DCMAKE_BUILD_TYPE=",
                 "-DCMAKE_CXX_FLAGS=-O1"]
    build_all = ["cmake", "--build", str(build), "-j2"]
    # One test at a time: tests that share a scratch file would fail at
    # random when run side by side, and count faults as killed that are not.
    test = ["ctest", "--test-dir", str(build), "--stop-on-failure", "--timeout", "120"]
    if run(configure, ROOT, log) or run(build_all, ROOT, log) or run(test, ROOT, log):
        print("the unmodified tree does not build or pass its tests; see the log", file=sys.stderr)
        return 2

    results = []
    for f in faults:
        start = time.monotonic()
        place = next((pl for pl in f["places"] if (source / pl[0]).exists() and
                      (source / pl[0]).read_text(encoding="utf-8").count(pl[1]) == 1), None)
        if place is None:
            verdict = "stale"
        else:
            path = source / place[0]
            original = path.read_text(encoding="utf-8")
            path.write_text(original.replace(place[1], place[2]), encoding="utf-8")
            if run(build_all, ROOT, log):
                verdict = "no-build"
            else:
                verdict = "killed" if run(test, ROOT, log) else "SURVIVED"
            path.write_text(original, encoding="utf-8")
        results.append((f, verdict))
        print(f"{verdict:9} {f['name']:40} {time.monotonic() - start:5.0f} s  {f['models']}", flush=True)

    run(build_all, ROOT, log)
    killed = sum(1 for _, v in results if v == "killed")
    survived = [f for f, v in results if v == "SURVIVED"]
    other = [f"{f['name']} ({v})" for f, v in results if v not in ("killed", "SURVIVED")]
    counted = killed + len(survived)
    print()
    print(f"killed {killed}, survived {len(survived)}", end="")
    print(f", kill rate {100.0 * killed / counted:.0f} %" if counted else "")
    for f in survived:
        print(f"  survived: {f['name']}: {f['models']}")
    for entry in other:
        print(f"  not counted: {entry}")
    return 1 if other else 0


if __name__ == "__main__":
    sys.exit(main())
