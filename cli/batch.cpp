#include "cli/batch.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/messages.h"
#include "cli/output.h"
#include "cli/summary.h"
#include "reader/linereader.h"
#include "reader/reader.h"
#include "solver/solution.h"

namespace noralim::cli {

namespace {

// A count of puzzles is worth showing when stderr is a terminal and the
// output lines go elsewhere: on the same terminal they would run into it.
bool ShowProgress(std::FILE* out, std::FILE* err) { return isatty(fileno(err)) != 0 && isatty(fileno(out)) == 0; }

class Batch {
 public:
  Batch(const Options& options, std::FILE* out, std::FILE* err, const InputOpener& open)
      : options_(options), out_(out), messages_(err, ShowProgress(out, err)), open_(open) {}

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
      Fail(std::string("write error: ") + std::strerror(errno));
    }
    if (options_.summary) messages_.Write(summary_.Text());
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
        messages_.CountPuzzle();
      }
    }
    pending_.clear();
  }

  void Reject(const std::string& name, long number, const std::string& message) {
    messages_.Write(name + ":" + std::to_string(number) + ": " + message + "\n");
    if (exit_status_ == 0) exit_status_ = 1;
  }

  void Fail(const std::string& message) {
    messages_.Write("noralim-solve: " + message + "\n");
    exit_status_ = 2;
  }

  const Options& options_;
  std::FILE* out_;
  MessageStream messages_;
  const InputOpener& open_;
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
