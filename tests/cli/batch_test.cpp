// The batch run over in-memory streams: -p puzzles, the summary, and inputs
// that fail in the middle.
#include "batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "linereader.h"
#include "summary.h"

namespace noralim::cli {
namespace {

const std::string kTwentyEight = "8...1..2..7.2..3.4..6..8.7.7.....5.6.2.....9.9.8.....3.5.3..8..3.1..7.5..9..4...2";
const std::string kCycling = "...1..6...3.2.1.....8..2595......22..125....4...9...7.9..47.3...1.8.9....4.7.1...";
const std::string kEmpty(81, '.');

struct BatchRun {
  int status;
  std::string out;
  std::string err;
};

// A memory stream that is read back after the batch.
class Capture {
 public:
  Capture() : file_(open_memstream(&data_, &size_)) {}
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;
  ~Capture() {
    if (file_ != nullptr) std::fclose(file_);
    std::free(data_);
  }
  std::FILE* File() const { return file_; }
  std::string Text() {
    std::fflush(file_);
    return {data_, size_};
  }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* file_;
};

BatchRun RunWith(const Options& options, const InputOpener& open = OpenFile) {
  Capture out;
  Capture err;
  const int status = RunBatch(options, out.File(), err.File(), open);
  return {status, out.Text(), err.Text()};
}

Options WithPuzzles(std::vector<std::string> puzzles, bool summary = false) {
  Options options;
  options.puzzles = std::move(puzzles);
  options.summary = summary;
  return options;
}

TEST(BatchTest, PuzzlesGivenAsArgumentsAreSolvedInOrderAndNamedInMessages) {
  const BatchRun run = RunWith(WithPuzzles({kEmpty, kEmpty.substr(2), "[\"5\"]", kTwentyEight}));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out.substr(0, 89), kEmpty + " open 2\n");
  EXPECT_NE(run.out.find(" solved 7\n"), std::string::npos);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
  EXPECT_EQ(run.err, "-p:2: expected 81 cells, got 79\n-p:3: expected 81 cells, got 1\n");
}

TEST(BatchTest, SummaryCountsStatusesAndSpreadsSweeps) {
  const BatchRun run = RunWith(WithPuzzles({kTwentyEight, kCycling, kEmpty, kEmpty, "x"}, true));
  EXPECT_EQ(run.err,
            "-p:5: unexpected character 'x' at column 1\n"
            "4 puzzles: 1 solved, 2 open, 0 invalid, 1 cycle\n"
            "sweeps: min 2, median 2, max 7\n"
            "2 | ######################################## 2\n"
            "3 |                                          0\n"
            "4 |                                          0\n"
            "5 |                                          0\n"
            "6 | ####################                     1\n"
            "7 | ####################                     1\n");
}

TEST(BatchTest, SummaryOfNothingIsOneLine) {
  Options options = WithPuzzles({"# only a comment"}, true);
  EXPECT_EQ(RunWith(options).err, "0 puzzles: 0 solved, 0 open, 0 invalid, 0 cycle\n");
}

TEST(BatchTest, ASparseHistogramShowsOnlyTheCountsThatOccurred) {
  Summary summary;
  summary.Add(GridStatus::Open, 2);
  summary.Add(GridStatus::Cycle, 90);
  summary.Add(GridStatus::Open, 2);
  EXPECT_EQ(summary.Text(),
            "3 puzzles: 0 solved, 2 open, 0 invalid, 1 cycle\n"
            "sweeps: min 2, median 2, max 90\n"
            " 2 | ######################################## 2\n"
            "90 | ####################                     1\n");
}

TEST(BatchTest, AnOverlongLineIsRejectedAndTheNextOneSolved) {
  std::string content = std::string(LineReader::kMaxLineBytes + 1, '.') + "\n" + kEmpty + "\n";
  const InputOpener open = [&content](const std::string&) { return fmemopen(content.data(), content.size(), "r"); };
  Options options;
  options.files = {"big.txt"};
  const BatchRun run = RunWith(options, open);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "big.txt:1: line longer than 1048576 bytes\n");
  EXPECT_EQ(run.out, kEmpty + " open 2\n");
}

// Two good lines, then the device fails.
ssize_t FailingRead(void* cookie, char* buffer, std::size_t size) {
  auto* left = static_cast<std::string*>(cookie);
  if (left->empty()) {
    errno = EIO;
    return -1;
  }
  const std::size_t n = std::min(size, left->size());
  std::copy_n(left->data(), n, buffer);
  left->erase(0, n);
  return static_cast<ssize_t>(n);
}

TEST(BatchTest, AReadErrorMidFileNamesTheFileAndKeepsWhatWasRead) {
  std::string content = kEmpty + "\n" + kTwentyEight + "\n";
  const InputOpener open = [&content](const std::string&) {
    return fopencookie(&content, "r", cookie_io_functions_t{FailingRead, nullptr, nullptr, nullptr});
  };
  Options options;
  options.files = {"disk.txt"};
  const BatchRun run = RunWith(options, open);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "noralim-solve: disk.txt: read error: " + std::string(std::strerror(EIO)) + "\n");
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
}

}  // namespace
}  // namespace noralim::cli
