#include "linereader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace noralim {
namespace {

// All lines of `input` as the reader returns them; too-long lines as "<long>".
std::vector<std::string> ReadAll(const std::string& input) {
  std::FILE* f = std::tmpfile();
  std::fwrite(input.data(), 1, input.size(), f);
  std::rewind(f);
  LineReader reader(f);
  std::vector<std::string> lines;
  std::string line;
  for (;;) {
    const auto status = reader.Next(&line);
    if (status == LineReader::Status::End || status == LineReader::Status::Error) break;
    lines.push_back(status == LineReader::Status::TooLong ? "<long>" : line);
    EXPECT_EQ(reader.LineNumber(), static_cast<long>(lines.size()));
  }
  std::fclose(f);
  return lines;
}

TEST(LineReaderTest, SplitsOnLineFeedsAcrossBufferBoundaries) {
  const std::string long_line(200000, 'a');
  EXPECT_EQ(ReadAll("a\nb\r\n\nlast"), (std::vector<std::string>{"a", "b\r", "", "last"}));
  EXPECT_EQ(ReadAll(long_line + "\nx\n"), (std::vector<std::string>{long_line, "x"}));
  EXPECT_TRUE(ReadAll("").empty());
}

TEST(LineReaderTest, OverlongLinesAreSkippedWholeAndCounted) {
  const std::string huge(LineReader::kMaxLineBytes + 5, '1');
  EXPECT_EQ(ReadAll("a\n" + huge + "\nb"), (std::vector<std::string>{"a", "<long>", "b"}));
}

}  // namespace
}  // namespace noralim
