// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/batch.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "cli/console.h"
#include "cli/messages.h"
#include "cli/pipeline.h"
#include "cli/summary.h"
#include "reader/linereader.h"
#include "reader/reader.h"

namespace noralim::cli {

namespace {

class Batch {
 public:
  Batch(const Options& options, std::FILE* out, std::FILE* err, const InputOpener& open)
      : out_(out),
        messages_(err, ShowsProgress(out, err)),
        open_(open),
        summarize_(options.summary),
        rate_(options.rate),
        pipeline_(
            options.jobs, [&options] { return LineWorker(options); }, [this](LineBatch& batch) { Write(batch); }) {}

  void RunFile(const std::string& name) {
    File owned;
    std::FILE* in = stdin;
    if (name != "-") {
      owned.reset(open_(name));
      in = owned.get();
      if (in == nullptr) return EndSource(Open(name), name + ": " + std::strerror(errno));
    }
    LineReader reader(in);
    LineBatch* batch = &Open(name);
    while (!write_failed_) {
      InputLine& line = Next(*batch);
      const LineReader::Status status = reader.Next(&line.text);
      line.number = reader.LineNumber();
      line.too_long = status == LineReader::Status::TooLong;
      if (status == LineReader::Status::End || status == LineReader::Status::Error) {
        --batch->count;  // the line asked for is not there
        if (status == LineReader::Status::End) return pipeline_.Submit();
        return EndSource(*batch, name + ": read error: " + std::strerror(errno));
      }
      if (batch->count == kBatchLines) {
        pipeline_.Submit();
        batch = &Open(name);
      }
    }
  }

  // The -p puzzles, as the lines of a source named "-p".
  void RunLiterals(const std::vector<std::string>& puzzles) {
    LineBatch* batch = &Open("-p");
    long number = 0;
    for (const std::string& puzzle : puzzles) {
      if (write_failed_) return;
      Next(*batch) = {++number, puzzle, false};
      if (batch->count == kBatchLines) {
        pipeline_.Submit();
        batch = &Open("-p");
      }
    }
    pipeline_.Submit();
  }

  int Finish() {
    if (!write_failed_) pipeline_.Drain();
    if (!write_failed_ && (std::fflush(out_) != 0 || std::ferror(out_) != 0)) OnWriteError();
    if (summarize_ && !write_failed_) messages_.Write(summary_.Text());
    return exit_status_;
  }

  // The output could not be written: nothing more is read.
  [[nodiscard]] bool Stopped() const { return write_failed_; }

 private:
  // Lines go in batches through the pipeline, which solves them on the
  // worker threads and hands them back in input order, so memory stays
  // bounded and the output is the same for every number of threads.
  static constexpr std::size_t kBatchLines = 1024;

  LineBatch& Open(const std::string& source) {
    LineBatch& batch = pipeline_.Open();
    batch.source = source;
    batch.count = 0;
    batch.failure.clear();
    return batch;
  }

  // Submits the batch as the last of its source, with why the source ends:
  // the message comes after every line before it, whatever the threads do.
  void EndSource(LineBatch& batch, std::string failure) {
    batch.failure = std::move(failure);
    pipeline_.Submit();
  }

  // The next line of the batch, its text's storage reused from batch to batch.
  static InputLine& Next(LineBatch& batch) {
    if (batch.lines.size() == batch.count) batch.lines.emplace_back();
    return batch.lines[batch.count++];
  }

  // Writes a solved batch: its output lines, its messages in between, in
  // input order, then why its source ended, if it did. Nothing more once an
  // output line could not be written.
  void Write(const LineBatch& batch) {
    std::string& text = buffer_;
    for (std::size_t k = 0; k < batch.count && !write_failed_; ++k) {
      const LineOutcome& outcome = batch.outcomes[k];
      if (outcome.kind == LineOutcome::Kind::Rejected) {
        WriteOut(text);
        Reject(batch.source, batch.lines[k].number, outcome.text);
      } else if (outcome.kind == LineOutcome::Kind::Solved) {
        text += outcome.text;
        text += '\n';
        summary_.Add(outcome.status, outcome.sweeps);
        if (rate_) summary_.AddRating(outcome.solutions, outcome.level);
        messages_.CountPuzzle();
      }
    }
    WriteOut(text);
    if (!batch.failure.empty() && !write_failed_) Fail(batch.failure);
  }

  // Writes and empties the output waiting in text; the first write that
  // fails ends the run.
  void WriteOut(std::string& text) {
    if (!write_failed_ && std::fwrite(text.data(), 1, text.size(), out_) != text.size()) OnWriteError();
    text.clear();
  }

  void OnWriteError() {
    write_failed_ = true;
    Fail(std::string("write error: ") + std::strerror(errno));
  }

  void Reject(const std::string& name, long number, const std::string& message) {
    messages_.Write(LinePlace(name, number) + ": " + message + "\n");
    if (exit_status_ == 0) exit_status_ = 1;
  }

  void Fail(const std::string& message) {
    messages_.Write("noralim-solve: " + message + "\n");
    exit_status_ = 2;
  }

  std::FILE* out_;
  MessageStream messages_;
  const InputOpener& open_;
  bool summarize_;
  bool rate_;
  Summary summary_;
  std::string buffer_;
  int exit_status_ = 0;
  bool write_failed_ = false;
  Pipeline pipeline_;  // last: its workers stop before the rest goes
};

}  // namespace

std::FILE* OpenFile(const std::string& name) { return std::fopen(name.c_str(), "rb"); }

int RunBatch(const Options& options, std::FILE* out, std::FILE* err, const InputOpener& open) {
  Batch batch(options, out, err, open);
  if (!options.puzzles.empty()) batch.RunLiterals(options.puzzles);
  for (const std::string& name : options.files) {
    if (batch.Stopped()) break;
    batch.RunFile(name);
  }
  return batch.Finish();
}

}  // namespace noralim::cli
