// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/batch.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "cli/messages.h"
#include "cli/solvelines.h"
#include "cli/summary.h"
#include "reader/linereader.h"

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
    for (;;) {
      InputLine& line = Next();
      const LineReader::Status status = reader.Next(&line.text);
      line.number = reader.LineNumber();
      line.too_long = status == LineReader::Status::TooLong;
      if (status == LineReader::Status::End) return Drop(), Flush(name);
      if (status == LineReader::Status::Error) {
        const int error = errno;
        Drop();
        Flush(name);
        return Fail(name + ": read error: " + std::strerror(error));
      }
      if (count_ == kBatchLines) Flush(name);
    }
  }

  // The -p puzzles, as the lines of a source named "-p".
  void RunLiterals(const std::vector<std::string>& puzzles) {
    long number = 0;
    for (const std::string& puzzle : puzzles) {
      Next() = {++number, puzzle, false};
      if (count_ == kBatchLines) Flush("-p");
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
  // Lines are read in batches, read, solved and formatted on options_.jobs
  // threads, each taking a run of consecutive lines, and written in input
  // order, so memory stays bounded and the output is the same for every
  // number of threads.
  static constexpr std::size_t kBatchLines = 4096;

  // The next line of the batch, its text's storage reused from batch to batch.
  InputLine& Next() {
    if (lines_.size() == count_) lines_.emplace_back();
    return lines_[count_++];
  }
  // Takes back the line Next gave out last.
  void Drop() { --count_; }

  void SolvePending() {
    const std::span<const InputLine> lines(lines_.data(), count_);
    outcomes_.resize(count_);
    const std::span<LineOutcome> outcomes(outcomes_.data(), count_);
    const std::size_t threads = std::clamp<std::size_t>(count_ / 64, 1, static_cast<std::size_t>(options_.jobs));
    const auto part = [&](std::size_t t) {
      const std::size_t begin = count_ * t / threads;
      const std::size_t end = count_ * (t + 1) / threads;
      SolveLines(lines.subspan(begin, end - begin), outcomes.subspan(begin, end - begin), options_);
    };
    std::vector<std::jthread> workers;
    for (std::size_t t = 1; t < threads; ++t) workers.emplace_back(part, t);
    part(0);
  }

  void Flush(const std::string& name) {
    SolvePending();
    std::string& text = buffer_;
    text.clear();
    for (std::size_t k = 0; k < count_; ++k) {
      const LineOutcome& outcome = outcomes_[k];
      if (outcome.kind == LineOutcome::Kind::Rejected) {
        Write(text);
        Reject(name, lines_[k].number, outcome.text);
      } else if (outcome.kind == LineOutcome::Kind::Solved) {
        text += outcome.text;
        text += '\n';
        summary_.Add(outcome.status, outcome.sweeps);
        messages_.CountPuzzle();
      }
    }
    Write(text);
    count_ = 0;
  }

  // Writes and empties the output waiting in text.
  void Write(std::string& text) {
    std::fwrite(text.data(), 1, text.size(), out_);
    text.clear();
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
  std::vector<InputLine> lines_;
  std::size_t count_ = 0;  // lines of the batch in lines_
  std::vector<LineOutcome> outcomes_;
  std::string buffer_;
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
