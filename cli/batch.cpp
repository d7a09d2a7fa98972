// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/batch.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "cli/console.h"
#include "cli/messages.h"
#include "cli/pipeline.h"
#include "cli/summary.h"
#include "reader/gridtext.h"
#include "reader/linereader.h"
#include "reader/reader.h"
#include "reader/writer.h"

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
    rows_.reset();
    LineBatch* batch = &Open(name);
    while (!write_failed_) {
      InputLine& line = Next(*batch);
      const LineReader::Status status = reader.Next(&line.text);
      line.number = reader.LineNumber();
      line.too_long = status == LineReader::Status::TooLong;
      line.rejection.clear();
      if (status == LineReader::Status::End || status == LineReader::Status::Error) {
        if (rows_) {
          TakeGrid(rows_->Finish(), line);
        } else {
          --batch->count;  // the line asked for is not there
        }
        if (status == LineReader::Status::End) return pipeline_.Submit();
        return EndSource(*batch, name + ": read error: " + std::strerror(errno));
      }
      if (!line.too_long) Rows(*batch, name);
      if (batch->count >= kBatchLines) {
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
      Next(*batch) = {++number, puzzle, false, {}};
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

  // A grid of nine rows (as .sdk and .ss files and forum posts write it)
  // among the lines: the line that starts it and those after it go to a
  // GridReader, and the grid goes to the workers as one JSON line numbered
  // where it starts, or as the reader's refusal. The batch's last line is
  // the one just read.
  void Rows(LineBatch& batch, const std::string& name) {
    InputLine& line = batch.lines[batch.count - 1];
    if (!rows_) {
      if (!StartsRows(line.text)) return;
      rows_.emplace(name, true);
    }
    std::optional<GridRead> read = rows_->Add(line.text, line.number);
    if (!read) {
      --batch.count;  // the grid wants more lines
      return;
    }
    // A complete grid ends at the first line that is none of its own, which
    // is read on its own after it.
    const bool line_after = rows_->Complete() && std::holds_alternative<Puzzle>(read->result);
    InputLine after = line_after ? std::move(line) : InputLine{};
    TakeGrid(std::move(*read), line);
    if (line_after) {
      Next(batch) = std::move(after);
      Rows(batch, name);
    }
  }

  // The grid just read, into the line that goes to the workers in its place.
  void TakeGrid(GridRead read, InputLine& line) {
    rows_.reset();
    line.number = read.line;
    line.too_long = false;
    line.text.clear();
    line.rejection.clear();
    if (auto* rejected = std::get_if<Rejected>(&read.result)) {
      rejected->where.clear();
      line.rejection = Describe(*rejected);
    } else if (auto* puzzle = std::get_if<Puzzle>(&read.result)) {
      line.text = GridLine(puzzle->texts);
    }
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
  std::optional<GridReader> rows_;  // the grid of rows being read, if any
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
