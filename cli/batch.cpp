#include "batch.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>

#include "linereader.h"
#include "output.h"
#include "reader.h"
#include "solution.h"

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

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

class Batch {
 public:
  Batch(const Options& options, std::FILE* out, std::FILE* err) : options_(options), out_(out), err_(err), progress_(err) {}

  void RunFile(const std::string& name) {
    std::unique_ptr<std::FILE, FileCloser> owned;
    std::FILE* in = stdin;
    if (name != "-") {
      owned.reset(std::fopen(name.c_str(), "rb"));
      in = owned.get();
      if (in == nullptr) return Fail(name + ": " + std::strerror(errno));
    }
    LineReader reader(in);
    std::string line;
    for (;;) {
      const LineReader::Status status = reader.Next(&line);
      if (status == LineReader::Status::End) return;
      if (status == LineReader::Status::Error) return Fail(name + ": read error: " + std::strerror(errno));
      if (status == LineReader::Status::TooLong) {
        Reject(name, reader.LineNumber(), "line longer than " + std::to_string(LineReader::kMaxLineBytes) + " bytes");
        continue;
      }
      Handle(name, reader.LineNumber(), ReadLine(line));
    }
  }

  int Finish() {
    if (std::fflush(out_) != 0 || std::ferror(out_) != 0) {
      std::fprintf(err_, "noralim-solve: write error: %s\n", std::strerror(errno));
      exit_status_ = 2;
    }
    return exit_status_;
  }

 private:
  void Handle(const std::string& name, long number, const LineResult& result) {
    if (const auto* rejected = std::get_if<Rejected>(&result)) return Reject(name, number, rejected->message);
    const auto* puzzle = std::get_if<Puzzle>(&result);
    if (puzzle == nullptr) return;
    const Solution solution = SolvePuzzle(puzzle->texts, options_.trace);
    const std::string text =
        options_.json ? FormatJson(number, *puzzle, solution, options_.trace) : FormatPlain(solution);
    std::fwrite(text.data(), 1, text.size(), out_);
    std::fputc('\n', out_);
    progress_.Count();
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
  Progress progress_;
  int exit_status_ = 0;
};

}  // namespace

int RunBatch(const Options& options, std::FILE* out, std::FILE* err) {
  Batch batch(options, out, err);
  for (const std::string& name : options.files) batch.RunFile(name);
  return batch.Finish();
}

}  // namespace noralim::cli
