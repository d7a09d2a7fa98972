// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/generate.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>

#include "batch/generation.h"
#include "cli/console.h"
#include "cli/messages.h"
#include "cli/output.h"

namespace noralim::cli {

namespace {

std::string SummaryText(const std::array<long, kLevelCount + 1>& counts, long made, double seconds) {
  char head[96];
  std::snprintf(head, sizeof head, "%ld puzzles in %.3f s: %.0f puzzles/s\n", made, seconds,
                seconds > 0 ? static_cast<double>(made) / seconds : 0.0);
  std::string text = head;
  text += "ratings:";
  for (int level = 1; level <= kLevelCount; ++level) {
    text += level == 1 ? " " : ", ";
    text += LevelName(static_cast<Level>(level));
    text += ' ' + std::to_string(counts[static_cast<std::size_t>(level)]);
  }
  return text + '\n';
}

}  // namespace

void AppendGenerated(const GeneratedPuzzle& puzzle, std::uint64_t seed, bool json, std::string* out) {
  if (!json) return AppendPlainCells(puzzle.givens, out);
  *out += "{\"cells\":[";
  for (int pos = 0; pos < kCellCount; ++pos) {
    const DigitSet cell = puzzle.givens[kSlotOfPosition[pos]];
    *out += pos == 0 ? "\"" : ",\"";
    if (cell != DigitSet()) out->push_back(static_cast<char>('0' + DigitOf(cell)));
    *out += '"';
  }
  *out += R"(],"rating":")";
  *out += LevelName(puzzle.level);
  *out += R"(","solution":")";
  AppendPlainCells(puzzle.solution, out);
  *out += R"(","seed":)" + std::to_string(seed) + '}';
}

int RunGenerate(const Options& options, std::FILE* out, std::FILE* err) {
  const std::uint64_t run_seed = options.seed.value_or(ClockSeed());
  MessageStream messages(err, ShowsProgress(out, err), std::chrono::seconds(1), 1);
  messages.Write("noralim-solve: seed " + std::to_string(run_seed) + "\n");
  CatchInterrupt();
  const auto start = std::chrono::steady_clock::now();
  GeneratorRun run(options.order, run_seed, options.generate, options.jobs, Interrupted);
  std::array<long, kLevelCount + 1> counts{};
  long made = 0;
  std::string line;
  while (!Interrupted()) {
    std::optional<MadePuzzle> next = run.Next();
    if (!next) break;
    line.clear();
    AppendGenerated(next->puzzle, next->seed, options.json, &line);
    line += '\n';
    if (std::fwrite(line.data(), 1, line.size(), out) != line.size()) break;
    ++counts[static_cast<std::size_t>(next->puzzle.level)];
    ++made;
    messages.CountPuzzle();
  }
  if (std::fflush(out) != 0 || std::ferror(out) != 0) {
    messages.Write(std::string("noralim-solve: write error: ") + std::strerror(errno) + "\n");
    return 2;
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  if (options.summary) messages.Write(SummaryText(counts, made, elapsed.count()));
  return Interrupted() ? 130 : 0;
}

}  // namespace noralim::cli
