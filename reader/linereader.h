// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Splits a byte stream into lines with bounded memory.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace noralim {

// An open stream that closes itself.
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

class LineReader {
 public:
  // Lines longer than this are reported as too long and skipped whole, so
  // that no input can make the reader hold more than this in memory.
  static constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

  enum class Status { Line, TooLong, End, Error };

  // What is wrong with a line reported as TooLong, in words, and the values
  // of its format messages::kLineTooLong.
  static std::string TooLongMessage();
  static std::vector<std::string> TooLongArgs();

  // What Next does with a line longer than kMaxLineBytes: reads on to its
  // end and reports it (Skip), or reports it at once and reads nothing more
  // (Stop), for readers that give up at such a line anyway.
  enum class Overlong { Skip, Stop };

  // max_line_bytes: a bound of the caller's in place of kMaxLineBytes, for
  // files that may hold a longer line, such as a grid the window saved.
  explicit LineReader(std::FILE* stream, Overlong overlong = Overlong::Skip, std::size_t max_line_bytes = kMaxLineBytes)
      : stream_(stream), overlong_(overlong), max_line_bytes_(max_line_bytes) {}

  // Reads the next line into *line (without its line feed, and the first
  // without a UTF-8 byte-order mark). Error means a read error, reported by
  // errno.
  Status Next(std::string* line);
  // 1-based number of the line that Next returned last.
  [[nodiscard]] long LineNumber() const { return line_number_; }

 private:
  bool Refill();

  std::FILE* stream_;
  Overlong overlong_;
  std::size_t max_line_bytes_;
  std::vector<char> buffer_ = std::vector<char>(std::size_t{1} << 16);
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool error_ = false;
  long line_number_ = 0;
};

}  // namespace noralim
