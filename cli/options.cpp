// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <thread>

#include "reader/commandline.h"

namespace noralim::cli {

const char* const kUsage =
    "Usage: noralim-solve [OPTION]... [FILE]...\n"
    "  or:  noralim-solve --generate N [--rating LEVEL] [--symmetry NAME] [--minimal]\n"
    "                     [--seed S] [-j N] [--json] [--summary]\n"
    "Narrows 9x9 number-place (sudoku) puzzles by propagation, one puzzle a line:\n"
    "the -p puzzles first, then each FILE in order; standard input when neither is\n"
    "given, or for a FILE named '-'.\n"
    "\n"
    "Input lines: 81 characters row-major ('1'-'9' givens; '.', '0' or '-' empty),\n"
    "or a JSON array of 81 strings, or a JSON object whose \"cells\" is one; between\n"
    "them, a grid of nine rows as .sdk and .ss files write it is one puzzle. Blank\n"
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
    "      --generate=N     make N puzzles instead, each with one solution (below)\n"
    "      --rating=LEVEL   their rating: calc, singles, locked, pairs, triples,\n"
    "                       quads, fish, wings, search, or any (the default)\n"
    "      --symmetry=NAME  their clues' pattern: none (the default), central (a\n"
    "                       half turn), quarter (a quarter turn), mirror (left to\n"
    "                       right), flip (top to bottom), diagonal, antidiagonal\n"
    "                       or fourway (mirror and flip)\n"
    "      --minimal        no clue can go without a second solution\n"
    "      --seed=S         a whole number from 0 to 18446744073709551615 that\n"
    "                       makes the same puzzles again (default: from the clock)\n"
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
    "file that cannot be read, or output that cannot be written.\n"
    "\n"
    "--generate writes a puzzle line a puzzle ('.' for a blank), a file that\n"
    "--rate reads back; with --json, objects with \"cells\", \"rating\", \"solution\"\n"
    "and \"seed\", the seed with which --generate 1, given the same --rating,\n"
    "--symmetry and --minimal, makes that one puzzle. The seed of the run goes\n"
    "to stderr; the same options and seed give the same output for every -j.\n"
    "--summary: the count of each rating, the time and the puzzles per second.\n"
    "Ctrl+C ends a run after its last whole line (status 130).\n";

namespace {

int DefaultJobs() { return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxJobs); }

std::optional<EarlyExit> Set(bool* flag) {
  *flag = true;
  return std::nullopt;
}

// What a generator option takes, when its value is not that: "--rating
// takes calc, singles...". Only noralim-solve says these.
constexpr const char* kTakes = "%1 takes %2";

EarlyExit Takes(std::string_view name, const char* what) { return UsageError{kTakes, {std::string(name), what}}; }

std::optional<EarlyExit> SetCount(std::string_view value, std::string_view name, long* out) {
  const auto number = ParseWholeNumber(value, 1, std::numeric_limits<long>::max());
  if (!number) return Takes(name, "a number of puzzles from 1 up");
  *out = *number;
  return std::nullopt;
}

std::optional<EarlyExit> SetLevel(std::string_view value, std::string_view name, PuzzleOrder* order) {
  order->level = LevelNamed(value);
  if (order->level || value == "any") return std::nullopt;
  return Takes(name, "calc, singles, locked, pairs, triples, quads, fish, wings, search or any");
}

std::optional<EarlyExit> SetSymmetry(std::string_view value, std::string_view name, PuzzleOrder* order) {
  const std::optional<Symmetry> symmetry = SymmetryNamed(value);
  if (!symmetry) return Takes(name, "none, central, quarter, mirror, flip, diagonal, antidiagonal or fourway");
  order->symmetry = *symmetry;
  return std::nullopt;
}

std::optional<EarlyExit> SetSeed(std::string_view value, std::string_view name, std::optional<std::uint64_t>* out) {
  std::uint64_t seed = 0;
  const char* end = value.data() + value.size();
  const auto [rest, error] = std::from_chars(value.data(), end, seed);
  if (value.empty() || error != std::errc() || rest != end) {
    return Takes(name, "a whole number from 0 to 18446744073709551615");
  }
  *out = seed;
  return std::nullopt;
}

// The generator's options only go with --generate, which reads no puzzles.
std::optional<EarlyExit> CheckGenerate(const Options& options, bool generator_options) {
  if (options.generate == 0 && generator_options) {
    return UsageError{"--rating, --symmetry, --minimal and --seed go only with --generate", {}};
  }
  if (options.generate > 0 && (!options.files.empty() || !options.puzzles.empty())) {
    return UsageError{"--generate reads no puzzles: no FILE or -p with it", {}};
  }
  return std::nullopt;
}

}  // namespace

Command ParseArguments(const std::vector<std::string>& args) {
  Options options;
  options.jobs = DefaultJobs();
  bool generator_options = false;
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
      {"generate", "a number of puzzles",
       [&](std::string_view value, std::string_view name) { return SetCount(value, name, &options.generate); }},
      {"rating", "a rating",
       [&](std::string_view value, std::string_view name) {
         generator_options = true;
         return SetLevel(value, name, &options.order);
       }},
      {"symmetry", "a symmetry",
       [&](std::string_view value, std::string_view name) {
         generator_options = true;
         return SetSymmetry(value, name, &options.order);
       }},
      {"minimal", nullptr,
       [&](auto, auto) {
         generator_options = true;
         return Set(&options.order.minimal);
       }},
      {"seed", "a seed",
       [&](std::string_view value, std::string_view name) {
         generator_options = true;
         return SetSeed(value, name, &options.seed);
       }},
      {"help", nullptr, Help, 'h'},
      {"version", nullptr, Version},
  };
  ParsedLine line = ParseCommandLine(args, rows);
  if (auto* stop = std::get_if<EarlyExit>(&line)) return std::move(*stop);
  options.files = std::move(std::get<std::vector<std::string>>(line));
  if (auto stop = CheckGenerate(options, generator_options)) return std::move(*stop);
  if (options.files.empty() && options.puzzles.empty() && options.generate == 0) options.files.emplace_back("-");
  return options;
}

}  // namespace noralim::cli
