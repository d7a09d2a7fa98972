// Fuzz target: any bytes as a puzzle file, through the line splitter, the
// line reader, the writers and the batch runner of noralim-solve.
//
// For every input:
//  - the splitter's lines, each followed by a line feed, give back the input
//    (plus a line feed when the last line had none), numbered 1, 2, 3...;
//  - every line is skipped, accepted, or rejected with a message of one line
//    of printable ASCII;
//  - an accepted line's texts and id come back unchanged when its JSON output
//    line, its bare cells array and its GridLine are read again;
//  - noralim-solve over the same bytes as a file names exactly the rejected
//    lines on stderr, "FILE:LINE: message" in input order, writes one line per
//    accepted line, and exits with 1 exactly when some line was rejected.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "batch.h"
#include "fuzzcheck.h"
#include "linereader.h"
#include "output.h"
#include "reader.h"
#include "solution.h"
#include "writer.h"

namespace {

using namespace noralim;
using fuzz::Require;

// The batch runner reads a named file; one per fuzzing process, rewritten
// for every input, and its two output streams, emptied for every input.
std::string g_input_path;
std::FILE* g_out = nullptr;
std::FILE* g_err = nullptr;

void RemoveInputFile() { std::remove(g_input_path.c_str()); }

struct Line {
  LineReader::Status status;
  std::string text;
};

std::vector<Line> SplitLines(const std::uint8_t* data, std::size_t size) {
  std::vector<char> copy(data, data + size);
  std::FILE* stream = fmemopen(copy.data(), copy.size(), "rb");
  Require(stream != nullptr, "fmemopen");
  LineReader reader(stream);
  std::vector<Line> lines;
  for (;;) {
    Line line;
    line.status = reader.Next(&line.text);
    if (line.status == LineReader::Status::End) break;
    Require(line.status != LineReader::Status::Error, "reading memory never fails");
    lines.push_back(std::move(line));
    Require(reader.LineNumber() == static_cast<long>(lines.size()), "lines are numbered from 1 without gaps");
  }
  std::fclose(stream);
  return lines;
}

void CheckSplit(const std::vector<Line>& lines, const std::uint8_t* data, std::size_t size) {
  std::string joined;
  for (const Line& line : lines) {
    if (line.status != LineReader::Status::Line) return;  // a skipped overlong line has no text to compare
    joined += line.text;
    joined += '\n';
  }
  const std::string input(reinterpret_cast<const char*>(data), size);
  Require(joined == input || joined == input + "\n", "the lines make up the input");
}

bool IsOneLineOfPrintableAscii(const std::string& message) {
  if (message.empty()) return false;
  for (const char c : message) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

const Puzzle& RequirePuzzle(const LineResult& result, const char* what) {
  const auto* puzzle = std::get_if<Puzzle>(&result);
  Require(puzzle != nullptr, what);
  return *puzzle;
}

void CheckRoundTrips(const Puzzle& puzzle, long number) {
  // The command line's JSON output line, for a grid holding the puzzle's texts.
  cli::Solution shown;
  shown.cells = puzzle.texts;
  const LineResult json = ReadLine(cli::FormatJson(number, puzzle, shown, false));
  const Puzzle& from_json = RequirePuzzle(json, "the JSON output line is accepted");
  Require(from_json.texts == puzzle.texts, "the JSON output line gives the same texts");
  Require(from_json.id == puzzle.id, "the JSON output line gives the same id");

  const LineResult array = ReadLine(CellsArray(puzzle.texts).dump());
  Require(RequirePuzzle(array, "the cells array is accepted").texts == puzzle.texts,
          "the cells array gives the same texts");

  const std::string grid_line = GridLine(puzzle.texts);
  const LineResult grid = ReadLine(grid_line);
  Require(RequirePuzzle(grid, "GridLine is accepted").texts == puzzle.texts, "GridLine gives the same texts");
  if (const auto puzzle_line = PuzzleLine(puzzle.texts)) {
    Require(puzzle_line->size() == 81 && *puzzle_line == grid_line, "GridLine is the puzzle line when there is one");
  }
}

std::string Contents(std::FILE* stream) {
  std::fflush(stream);
  std::rewind(stream);
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stream)) > 0;) out.append(buffer, n);
  return out;
}

void Empty(std::FILE* stream) {
  std::rewind(stream);
  Require(ftruncate(fileno(stream), 0) == 0, "ftruncate");
}

void CheckBatch(const std::uint8_t* data, std::size_t size, const std::string& expected_err, long accepted) {
  std::FILE* input = std::fopen(g_input_path.c_str(), "wb");
  Require(input != nullptr, "open the input file");
  Require(std::fwrite(data, 1, size, input) == size && std::fclose(input) == 0, "write the input file");
  Empty(g_out);
  Empty(g_err);
  cli::Options options;
  options.files = {g_input_path};
  const int status = cli::RunBatch(options, g_out, g_err);
  Require(Contents(g_err) == expected_err, "stderr names every rejected line, and only those");
  Require(status == (expected_err.empty() ? 0 : 1), "exit status 1 exactly when a line was rejected");
  long out_lines = 0;
  for (const char c : Contents(g_out)) out_lines += c == '\n' ? 1 : 0;
  Require(out_lines == accepted, "one output line per accepted line");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  const char* dir = std::getenv("TMPDIR");
  std::string path = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/noralim-fuzz-reader-XXXXXX";
  const int fd = mkstemp(path.data());
  Require(fd >= 0, "create the input file");
  close(fd);
  g_input_path = path;
  std::atexit(RemoveInputFile);
  g_out = std::tmpfile();
  g_err = std::tmpfile();
  Require(g_out != nullptr && g_err != nullptr, "create the output files");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<Line> lines = SplitLines(data, size);
  CheckSplit(lines, data, size);

  std::string expected_err;
  long accepted = 0;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const long number = static_cast<long>(k + 1);
    std::string rejected;
    if (lines[k].status == LineReader::Status::TooLong) {
      rejected = "line longer than " + std::to_string(LineReader::kMaxLineBytes) + " bytes";
    } else {
      const LineResult result = ReadLine(lines[k].text);
      if (const auto* puzzle = std::get_if<Puzzle>(&result)) {
        ++accepted;
        CheckRoundTrips(*puzzle, number);
      } else if (const auto* reject = std::get_if<Rejected>(&result)) {
        rejected = reject->message;
        Require(IsOneLineOfPrintableAscii(rejected), "a rejection says what is wrong in one line of printable ASCII");
      }
    }
    if (!rejected.empty()) expected_err += g_input_path + ":" + std::to_string(number) + ": " + rejected + "\n";
  }
  CheckBatch(data, size, expected_err, accepted);
  return 0;
}
