// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/options.h"

#include <algorithm>
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
    "      --rate           also the number of solutions (0, 1, or 2 for two or\n"
    "                       more), the rating (calc, singles, locked, pairs,\n"
    "                       triples, quads, fish, wings or search) and the\n"
    "                       solution; '-' unless exactly one solution\n"
    "      --summary        after the last line, write to stderr the count of each\n"
    "                       status and the sweeps' minimum, median, maximum and\n"
    "                       histogram (with --rate, solutions and ratings too)\n"
    "  -h, --help           show this text and exit\n"
    "      --version        show the version and exit\n"
    "      --               end the options: every argument after it is a FILE\n"
    "Long options may be shortened to any beginning that names one of them.\n"
    "\n"
    "Output: a line a puzzle, its 81 cells row-major (a settled cell's digit, '.'\n"
    "for any other), its status (solved, open or invalid: a run stops at the first\n"
    "cell its givens leave with nothing) and the number of sweeps, then what\n"
    "--rate adds. While the output goes anywhere but the terminal, a terminal on\n"
    "stderr shows how many puzzles are done.\n"
    "Messages on stderr: \"FILE:LINE: what is wrong\" for a rejected line,\n"
    "\"noralim-solve: FILE: why\" for a file that cannot be read.\n"
    "Exit status: 0 every line accepted, 1 some line rejected, 2 a usage error, a\n"
    "file that cannot be read, or output that cannot be written.\n";

namespace {

int DefaultJobs() { return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxJobs); }

std::optional<EarlyExit> Set(bool* flag) {
  *flag = true;
  return std::nullopt;
}

}  // namespace

Command ParseArguments(const std::vector<std::string>& args) {
  Options options;
  options.jobs = DefaultJobs();
  const OptionRow rows[] = {
      {"json", nullptr, [&](auto, auto) { return Set(&options.json); }},
      {"trace", nullptr,
       [&](auto, auto) {
         options.json = true;
         return Set(&options.trace);
       }},
      {"summary", nullptr, [&](auto, auto) { return Set(&options.summary); }},
      {"rate", nullptr, [&](auto, auto) { return Set(&options.rate); }},
      {"jobs", "a number of threads",
       [&](std::string_view value, std::string_view name) {
         return SetWholeNumber(value, name, "a number of threads", 1, kMaxJobs, &options.jobs);
       },
       'j'},
      {"puzzle", "a puzzle",
       [&](std::string_view value, auto) {
         options.puzzles.emplace_back(value);
         return std::optional<EarlyExit>();
       },
       'p'},
      {"help", nullptr, Help, 'h'},
      {"version", nullptr, Version},
  };
  ParsedLine line = ParseCommandLine(args, rows);
  if (auto* stop = std::get_if<EarlyExit>(&line)) return std::move(*stop);
  options.files = std::move(std::get<std::vector<std::string>>(line));
  if (options.files.empty() && options.puzzles.empty()) options.files.emplace_back("-");
  return options;
}

}  // namespace noralim::cli
