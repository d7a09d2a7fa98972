// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "reader/linereader.h"

#include <cstring>

#include "reader/message.h"

namespace noralim {

bool LineReader::Refill() {
  if (eof_ || error_) return false;
  begin_ = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), stream_);
  if (end_ == 0) {
    error_ = std::ferror(stream_) != 0;
    eof_ = !error_;
    return false;
  }
  return true;
}

LineReader::Status LineReader::Next(std::string* line) {
  line->clear();
  bool too_long = false;
  bool any = false;
  for (;;) {
    if (begin_ == end_ && !Refill()) {
      if (error_) return Status::Error;
      if (!any) return Status::End;
      break;  // a last line without a line feed
    }
    any = true;
    const char* start = buffer_.data() + begin_;
    const char* stop = buffer_.data() + end_;
    // memchr looks at many bytes a step, where a find looks at one.
    const void* found = std::memchr(start, '\n', static_cast<std::size_t>(stop - start));
    const char* newline = found != nullptr ? static_cast<const char*>(found) : stop;
    if (!too_long) {
      const auto piece = static_cast<std::size_t>(newline - start);
      if (line->size() + piece > max_line_bytes_) {
        too_long = true;
        line->clear();
        line->shrink_to_fit();
        if (overlong_ == Overlong::Stop) {
          eof_ = true;
          begin_ = end_ = 0;
          break;
        }
      } else {
        line->append(start, piece);
      }
    }
    begin_ = static_cast<std::size_t>(newline - buffer_.data());
    if (newline != stop) {
      ++begin_;
      break;
    }
  }
  ++line_number_;
  // A byte-order mark some editors put at the start of a UTF-8 file.
  if (line_number_ == 1 && line->starts_with("\xEF\xBB\xBF")) line->erase(0, 3);
  return too_long ? Status::TooLong : Status::Line;
}

std::string LineReader::TooLongMessage() { return FormatMessage(messages::kLineTooLong, TooLongArgs()); }

std::vector<std::string> LineReader::TooLongArgs() { return {std::to_string(kMaxLineBytes)}; }

}  // namespace noralim
