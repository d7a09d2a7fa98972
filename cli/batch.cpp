#include "batch.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "linereader.h"
#include "output.h"
#include "reader.h"
#include "solution.h"
#include "summary.h"

namespace noralim::cli {

namespace {

using Clock = std::chrono::steady_clock;

// A count of solved puzzles on stderr, only on a terminal and only for runs
// that last long enough to want one.
class Progress {
 public:
  explicit Progress(std::FILE* err) : err_(err), enabled_(isatty(fileno(err)) != 0) {}
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  ~Progress() {
    if (shown_) std::fputs("\r\033[K", err_);
  }

  void Count() {
    if (!enabled_ || (++count_ & 0xFF) != 0) return;
    const auto now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(250)) return;
    last_ = now;
    shown_ = true;
    std::fprintf(err_, "\rnoralim-solve: %ld puzzles", count_);
    std::fflush(err_);
  }

 private:
  std::FILE* err_;
  bool enabled_;
  bool shown_ = false;
  long count_ = 0;
  Clock::time_point start_ = Clock::now();
  Clock::time_point last_ = start_;
};

class Batch {
 public:
  Batch(const Options& options, std::FILE* out, std::FILE* err, const InputOpener& open)
      : options_(options), out_(out), err_(err), open_(open), progress_(err) {}

  void RunFile(const std::string& name) {
    File owned;
    std::FILE* in = stdin;
    if (name != "-") {
      owned.reset(open_(name));
      in = owned.get();
      if (in == nullptr) return Fail(name + ": " + std::strerror(errno));
    }
    LineReader reader(in);
    std::string line;
    for (;;) {
      const LineReader::Status status = reader.Next(&line);
      if (status == LineReader::Status::End) return Flush(name);
      if (status == LineReader::Status::Error) {
        const int error = errno;
        Flush(name);
        return Fail(name + ": read error: " + std::strerror(error));
      }
      if (status == LineReader::Status::TooLong) {
        pending_.push_back({reader.LineNumber(), Rejected{LineReader::TooLongMessage()}, {}, {}});
      } else {
        pending_.push_back({reader.LineNumber(), ReadLine(line), {}, {}});
      }
      if (pending_.size() >= kBatchLines) Flush(name);
    }
  }

  // The -p puzzles, as the lines of a source named "-p".
  void RunLiterals(const std::vector<std::string>& puzzles) {
    for (const std::string& puzzle : puzzles) {
      pending_.push_back({static_cast<long>(pending_.size()) + 1, ReadLine(puzzle), {}, {}});
    }
    Flush("-p");
  }

  int Finish() {
    if (std::fflush(out_) != 0 || std::ferror(out_) != 0) {
      std::fprintf(err_, "noralim-solve: write error: %s\n", std::strerror(errno));
      exit_status_ = 2;
    }
    if (options_.summary) std::fputs(summary_.Text().c_str(), err_);
    return exit_status_;
  }

 private:
  // Lines are read in batches, solved on options_.jobs threads, and written
  // in input order, so memory stays bounded and the output is the same for
  // every number of threads.
  static constexpr std::size_t kBatchLines = 4096;

  struct Entry {
    long number;
    LineResult result;
    std::string output;
    std::pair<GridStatus, int> outcome;  // status and sweeps, for the summary
  };

  void Solve(Entry& entry) const {
    const auto* puzzle = std::get_if<Puzzle>(&entry.result);
    if (puzzle == nullptr) return;
    const Solution solution = SolvePuzzle(puzzle->texts, options_.trace);
    entry.outcome = {solution.status, solution.result.sweeps};
    entry.output = options_.json ? FormatJson(entry.number, *puzzle, solution, options_.trace) : FormatPlain(solution);
  }

  void SolvePending() {
    const auto threads = std::min<std::size_t>(static_cast<std::size_t>(options_.jobs), pending_.size());
    if (threads <= 1) {
      for (Entry& entry : pending_) Solve(entry);
      return;
    }
    std::atomic<std::size_t> next{0};
    auto work = [&] {
      for (std::size_t k = next++; k < pending_.size(); k = next++) Solve(pending_[k]);
    };
    std::vector<std::jthread> workers;
    for (std::size_t t = 1; t < threads; ++t) workers.emplace_back(work);
    work();
  }

  void Flush(const std::string& name) {
    SolvePending();
    for (const Entry& entry : pending_) {
      if (const auto* rejected = std::get_if<Rejected>(&entry.result)) {
        Reject(name, entry.number, rejected->message);
      } else if (std::holds_alternative<Puzzle>(entry.result)) {
        std::fwrite(entry.output.data(), 1, entry.output.size(), out_);
        std::fputc('\n', out_);
        summary_.Add(entry.outcome.first, entry.outcome.second);
        progress_.Count();
      }
    }
    pending_.clear();
  }

  void Reject(const std::string& name, long number, const std::string& message) {
    std::fprintf(err_, "%s:%ld: %s\n", name.c_str(), number, message.c_str());
    if (exit_status_ == 0) exit_status_ = 1;
  }

  void Fail(const std::string& message) {
    std::fprintf(err_, "noralim-solve: %s\n", message.c_str());
    exit_status_ = 2;
  }

  const Options& options_;
  std::FILE* out_;
  std::FILE* err_;
  const InputOpener& open_;
  Progress progress_;
  Summary summary_;
  std::vector<Entry> pending_;
  int exit_status_ = 0;
};

}  // namespace

std::FILE* OpenFile(const std::string& name) { return std::fopen(name.c_str(), "rb"); }

int RunBatch(const Options& options, std::FILE* out, std::FILE* err, const InputOpener& open) {
  Batch batch(options, out, err, open);
  if (!options.puzzles.empty()) batch.RunLiterals(options.puzzles);
  for (const std::string& name : options.files) batch.RunFile(name);
  return batch.Finish();
}

}  // namespace noralim::cli
