// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <thread>

namespace noralim::cli {

const char* const kUsage =
    "Usage: noralim-solve [--json] [--trace] [--summary] [-j N] [-p PUZZLE]... [FILE ...]\n"
    "Narrows 9x9 number-place puzzles by propagation, one puzzle a line.\n"
    "Solves the -p PUZZLEs, then reads the FILEs in order; standard input when\n"
    "neither is given or a name is '-'.\n"
    "\n"
    "Input lines: 81 characters row-major ('1'-'9' givens; '.', '0' or '-' empty),\n"
    "or a JSON array of 81 strings, or a JSON object whose \"cells\" is one.\n"
    "Blank lines and lines starting with '#' are skipped.\n"
    "\n"
    "  --json     one JSON object per puzzle: line, id, cells, status, sweeps\n"
    "  --trace    also every cell write of the run (implies --json)\n"
    "  -j N       solve on N threads (default: the number of cores); same output\n"
    "  -p PUZZLE, --puzzle PUZZLE\n"
    "             solve PUZZLE, a puzzle line or JSON line given as the argument;\n"
    "             repeatable; its messages name it \"-p:N\" for the N-th one\n"
    "  --summary  after the last line, write to stderr the count of each status\n"
    "             and the sweeps' minimum, median, maximum and histogram\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "\n"
    "Status: solved, open, invalid or cycle.\n"
    "Exit status: 0 every line accepted, 1 some line rejected, 2 usage or read error.\n";

namespace {

constexpr int kMaxJobs = 256;

bool ParseJobs(const std::string& text, int* jobs) {
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, *jobs);
  return error == std::errc() && rest == end && *jobs >= 1 && *jobs <= kMaxJobs;
}

}  // namespace

Command ParseArguments(const std::vector<std::string>& args) {
  Options options;
  options.jobs = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  bool operands_only = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (!operands_only && arg.rfind("-j", 0) == 0) {
      std::string value = arg.substr(2);
      if (value.empty() && k + 1 < args.size()) value = args[++k];
      if (!ParseJobs(value, &options.jobs)) return UsageError{"-j takes a number of threads from 1 to 256"};
    } else if (operands_only || arg == "-" || arg.empty() || arg[0] != '-') {
      options.files.push_back(arg);
    } else if (arg == "--") {
      operands_only = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--trace") {
      options.trace = options.json = true;
    } else if (arg == "-p" || arg == "--puzzle") {
      if (k + 1 >= args.size()) return UsageError{arg + " takes a puzzle"};
      options.puzzles.push_back(args[++k]);
    } else if (arg == "--summary") {
      options.summary = true;
    } else if (arg == "--help" || arg == "-h") {
      return ShowHelp{};
    } else if (arg == "--version") {
      return ShowVersion{};
    } else {
      return UsageError{"unknown option '" + arg + "'"};
    }
  }
  if (options.files.empty() && options.puzzles.empty()) options.files.emplace_back("-");
  return options;
}

}  // namespace noralim::cli
