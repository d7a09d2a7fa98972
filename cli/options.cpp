// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <thread>

#include "reader/commandline.h"

namespace noralim::cli {

const char* const kUsage =
    "Usage: noralim-solve [OPTION]... [FILE]...\n"
    "Narrows 9x9 number-place (sudoku) puzzles by propagation, one puzzle a line:\n"
    "the -p puzzles first, then each FILE in order; standard input when neither is\n"
    "given, or for a FILE named '-'.\n"
    "\n"
    "Input lines: 81 characters row-major ('1'-'9' givens; '.', '0' or '-' empty),\n"
    "or a JSON array of 81 strings, or a JSON object whose \"cells\" is one. Blank\n"
    "lines and lines starting with '#' are skipped, and so is a UTF-8 byte-order\n"
    "mark at the start of a file.\n"
    "\n"
    "  -p, --puzzle=PUZZLE  solve PUZZLE, a puzzle line or JSON line; repeatable;\n"
    "                       its messages name it \"-p:N\" for the N-th\n"
    "  -j, --jobs=N         solve on N threads, 1 to 256 (default: the number of\n"
    "                       cores); the output is the same for every N\n"
    "      --json           one JSON object a puzzle: line, id, cells, status, sweeps\n"
    "      --trace          also every cell write of the run (implies --json)\n"
    "      --summary        after the last line, write to stderr the count of each\n"
    "                       status and the sweeps' minimum, median, maximum and\n"
    "                       histogram\n"
    "  -h, --help           show this text and exit\n"
    "      --version        show the version and exit\n"
    "      --               end the options: every argument after it is a FILE\n"
    "Long options may be shortened to any beginning that names one of them.\n"
    "\n"
    "Output: a line a puzzle, its 81 cells row-major (a settled cell's digit, '.'\n"
    "for any other), its status (solved, open, invalid or cycle) and the number of\n"
    "sweeps. While the output goes anywhere but the terminal, a terminal on stderr\n"
    "shows how many puzzles are done.\n"
    "Messages on stderr: \"FILE:LINE: what is wrong\" for a rejected line,\n"
    "\"noralim-solve: FILE: why\" for a file that cannot be read.\n"
    "Exit status: 0 every line accepted, 1 some line rejected, 2 a usage error, a\n"
    "file that cannot be read, or output that cannot be written.\n";

namespace {

constexpr int kMaxJobs = 256;

bool ParseJobs(const std::string& text, int* jobs) {
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, *jobs);
  return error == std::errc() && rest == end && *jobs >= 1 && *jobs <= kMaxJobs;
}

}  // namespace

Command ParseArguments(const std::vector<std::string>& args) {
  enum : std::uint8_t { kJson, kTrace, kSummary, kJobs, kPuzzle, kHelp, kVersion };
  static constexpr OptionSpec kSpecs[] = {
      {"json", 0, nullptr},        {"trace", 0, nullptr},
      {"summary", 0, nullptr},     {"jobs", 'j', "a number of threads"},
      {"puzzle", 'p', "a puzzle"}, {"help", 'h', nullptr},
      {"version", 0, nullptr},
  };
  const CommandLine line = ReadCommandLine(args, kSpecs);
  if (line.problem != CommandLine::Problem::None) return UsageError{DescribeProblem(line)};
  Options options;
  options.jobs = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  for (const CommandLine::Option& option : line.options) {
    switch (option.spec) {
      case kJson:
        options.json = true;
        break;
      case kTrace:
        options.trace = options.json = true;
        break;
      case kSummary:
        options.summary = true;
        break;
      case kJobs:
        if (!ParseJobs(option.value, &options.jobs)) return UsageError{"-j takes a number of threads from 1 to 256"};
        break;
      case kPuzzle:
        options.puzzles.push_back(option.value);
        break;
      case kHelp:
        return ShowHelp{};
      default:
        return ShowVersion{};
    }
  }
  options.files = line.operands;
  if (options.files.empty() && options.puzzles.empty()) options.files.emplace_back("-");
  return options;
}

}  // namespace noralim::cli
