// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What the command line's cases (the .t files) cannot reach from a shell: a
// device that fails in the middle of a file, and the progress count on a
// terminal.
#include "cli/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "cli/console.h"
#include "cli/messages.h"
#include "cli/summary.h"

#ifdef __linux__
#include <pty.h>
#include <unistd.h>
#endif

namespace noralim::cli {
namespace {

std::string Contents(std::FILE* stream) {
  std::string text(static_cast<std::size_t>(std::ftell(stream)), '\0');
  std::rewind(stream);
  text.resize(std::fread(text.data(), 1, text.size(), stream));
  std::fclose(stream);
  return text;
}

// A stream that fails in the middle needs glibc's fopencookie.
#ifdef __GLIBC__

// Gives the bytes left in the string, then fails with EIO.
ssize_t ReadThenFail(void* cookie, char* buffer, std::size_t size) {
  auto* left = static_cast<std::string*>(cookie);
  errno = EIO;
  if (left->empty()) return -1;
  const std::size_t n = std::min(size, left->size());
  left->copy(buffer, n);
  left->erase(0, n);
  return static_cast<ssize_t>(n);
}

TEST(BatchTest, AReadErrorMidFileNamesTheFileAndKeepsWhatWasRead) {
  const std::string empty(81, '.');
  std::string content = empty + "\n" + empty + "\n";
  Options options;
  options.files = {"disk.txt"};
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  EXPECT_EQ(
      RunBatch(options, out, err,
               [&content](const std::string&) {
                 return fopencookie(&content, "r", cookie_io_functions_t{ReadThenFail, nullptr, nullptr, nullptr});
               }),
      2);
  EXPECT_EQ(Contents(out), empty + " open 2\n" + empty + " open 2\n");
  EXPECT_EQ(Contents(err), "noralim-solve: disk.txt: read error: " + std::string(std::strerror(EIO)) + "\n");
}

#endif

TEST(MessageStreamTest, AMessageNeverSharesALineWithTheProgressCount) {
  std::FILE* err = std::tmpfile();
  {
    MessageStream messages(err, true, std::chrono::seconds(0));
    for (int k = 0; k < 256; ++k) messages.CountPuzzle();
    messages.Write("a.txt:3: expected 81 cells, got 80\n");
    for (int k = 0; k < 256; ++k) messages.CountPuzzle();
  }
  // What a terminal keeps: the count drawn, erased before the message, drawn
  // again after it, and erased at the end.
  EXPECT_EQ(Contents(err),
            "\rnoralim-solve: 256 puzzles\r\033[Ka.txt:3: expected 81 cells, got 80\n"
            "\rnoralim-solve: 512 puzzles\r\033[K");
}

#ifdef __linux__

// The count shows with stderr on a terminal and the output lines elsewhere,
// and only then.
TEST(MessageStreamTest, TheCountShowsOnlyOnAStderrTerminalOfItsOwn) {
  int controller = -1;
  int device = -1;
  ASSERT_EQ(openpty(&controller, &device, nullptr, nullptr, nullptr), 0);
  std::FILE* terminal = fdopen(device, "w");
  std::FILE* file = std::tmpfile();
  EXPECT_TRUE(ShowsProgress(file, terminal));
  EXPECT_FALSE(ShowsProgress(terminal, terminal));
  EXPECT_FALSE(ShowsProgress(terminal, file));
  EXPECT_FALSE(ShowsProgress(file, file));
  std::fclose(terminal);
  std::fclose(file);
  close(controller);
}

#endif

TEST(SummaryTest, SweepCountsFiftyApartShowOnlyTheCountsThatOccurred) {
  Summary summary;
  for (const int sweeps : {2, 90, 2}) summary.Add(GridStatus::Invalid, sweeps);
  EXPECT_EQ(summary.Text(),
            "3 puzzles: 0 solved, 0 open, 3 invalid\n"
            "sweeps: min 2, median 2, max 90\n"
            " 2 | ######################################## 2\n"
            "90 | ####################                     1\n");
}

}  // namespace
}  // namespace noralim::cli
