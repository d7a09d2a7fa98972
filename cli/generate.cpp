// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/generate.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_set>
#include <vector>

#include "boards/random.h"
#include "cli/console.h"
#include "cli/messages.h"
#include "cli/output.h"

namespace noralim::cli {

namespace {

struct Made {
  std::uint64_t seed = 0;
  GeneratedPuzzle puzzle;
};

// Puzzles made ahead of the writer on worker threads, a bounded number at a
// time; with one job each is made when it is asked for. Each puzzle depends
// on its number alone, so which thread makes it changes nothing.
class Makers {
 public:
  Makers(const Options& options, std::uint64_t run_seed)
      : options_(options), run_seed_(run_seed), slots_(options.jobs == 1 ? 0 : 4 * options.jobs) {
    for (int k = 0; options.jobs > 1 && k < options.jobs; ++k) workers_.emplace_back([this] { Work(); });
  }
  Makers(const Makers&) = delete;
  Makers& operator=(const Makers&) = delete;
  ~Makers() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
  }

  // Puzzle k, the next one; none when Ctrl+C came first.
  std::optional<Made> Take(long k) {
    if (slots_.empty()) return Make(k);
    std::unique_lock lock(mutex_);
    Slot& slot = slots_[static_cast<std::size_t>(k) % slots_.size()];
    while (!slot.ready) {
      if (Interrupted()) return std::nullopt;
      changed_.wait_for(lock, std::chrono::milliseconds(100));
    }
    slot.ready = false;
    taken_ = k + 1;
    changed_.notify_all();
    return slot.made;
  }

 private:
  struct Slot {
    Made made;
    bool ready = false;
  };

  [[nodiscard]] Made Make(long k) const {
    const std::uint64_t seed = PuzzleSeed(run_seed_, static_cast<std::uint64_t>(k));
    return {seed, Generate(seed, options_.order)};
  }

  void Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [&] {
        return stopping_ || (next_ < options_.generate && next_ < taken_ + static_cast<long>(slots_.size()));
      });
      if (stopping_) return;
      const long k = next_++;
      lock.unlock();
      Made made = Make(k);
      lock.lock();
      Slot& slot = slots_[static_cast<std::size_t>(k) % slots_.size()];
      slot.made = made;
      slot.ready = true;
      changed_.notify_all();
    }
  }

  const Options& options_;
  std::uint64_t run_seed_;
  std::vector<Slot> slots_;
  long next_ = 0;   // the next puzzle a worker makes (under the lock)
  long taken_ = 0;  // puzzles the writer has taken (under the lock)
  bool stopping_ = false;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::jthread> workers_;  // last: they stop before the rest goes
};

// A solution grid, as equal for grids that differ only in which digit is
// which, in 64 bits (FNV-1a).
std::uint64_t GridKey(const DigitCells& solution) {
  std::uint64_t hash = 0xCBF29CE484222325ULL;
  for (const std::uint8_t digit : Canonical(solution)) hash = (hash ^ digit) * 0x100000001B3ULL;
  return hash;
}

std::uint64_t ClockSeed() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::uint64_t state = static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  return SplitMix64(state) >> 11;  // 53 bits, which every JSON reader keeps exact
}

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
  Makers makers(options, run_seed);
  std::unordered_set<std::uint64_t> grids;
  std::array<long, kLevelCount + 1> counts{};
  long made = 0;
  std::string line;
  for (long k = 0; k < options.generate && !Interrupted(); ++k) {
    std::optional<Made> next = makers.Take(k);
    if (!next) break;
    // A grid the run has had, up to relabelling its digits: the puzzle is
    // made again from a seed of its own, the same whatever the threads do.
    while (!grids.insert(GridKey(next->puzzle.solution)).second) {
      next->seed = NextSeed(next->seed);
      next->puzzle = Generate(next->seed, options.order);
    }
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
