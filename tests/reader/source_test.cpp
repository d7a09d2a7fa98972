#include "source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace noralim {
namespace {

const std::string kPuzzle = "1" + std::string(80, '.');
const std::string kOther = "2" + std::string(80, '.');

class LoadPuzzleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("noralim_source_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& content) const {
    const auto path = dir_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }

  std::filesystem::path dir_;
};

// The first cell's text of a loaded puzzle, or the message.
std::string Outcome(const std::string& operand) {
  const auto result = LoadPuzzle(operand);
  if (const auto* rejected = std::get_if<Rejected>(&result)) return "error: " + rejected->message;
  return EncodeUtf8(std::get<Puzzle>(result).texts[0]);
}

TEST_F(LoadPuzzleTest, LiteralPuzzleIsThePuzzleItself) {
  EXPECT_EQ(Outcome(kPuzzle), "1");
  EXPECT_EQ(Outcome("x" + std::string(80, '.')), "error: puzzle: unexpected character 'x' at column 1");
}

TEST_F(LoadPuzzleTest, FileGivesItsFirstAcceptedLine) {
  const std::string file = Write("p.txt", "# comment\n\nnot a puzzle\n" + kOther + "\n" + kPuzzle + "\n");
  EXPECT_EQ(Outcome(file), "2");
  EXPECT_EQ(Outcome(file + ":5"), "1");
  EXPECT_EQ(Outcome(file + ":4"), "2");
}

TEST_F(LoadPuzzleTest, ProblemsNameTheFileAndLine) {
  const std::string file = Write("p.txt", "# comment\n" + std::string(80, '.') + "\n");
  EXPECT_EQ(Outcome(file), "error: " + file + ":2: expected 81 cells, got 80");
  EXPECT_EQ(Outcome(file + ":1"), "error: " + file + ":1: no puzzle on this line (blank or a comment)");
  EXPECT_EQ(Outcome(file + ":2"), "error: " + file + ":2: expected 81 cells, got 80");
  EXPECT_EQ(Outcome(file + ":9"), "error: " + file + ": has no line 9 (2 lines)");
  EXPECT_EQ(Outcome(Write("e.txt", "")), "error: " + (dir_ / "e.txt").string() + ": no puzzle in the file");
  EXPECT_EQ(Outcome((dir_ / "missing").string()),
            "error: " + (dir_ / "missing").string() + ": No such file or directory");
  EXPECT_EQ(Outcome((dir_ / "missing:3").string()),
            "error: " + (dir_ / "missing:3").string() + ": No such file or directory");
}

TEST_F(LoadPuzzleTest, AFileNamedLikeFileColonLineIsTakenWhole) {
  const std::string odd = Write("odd:2", kOther + "\n");
  Write("odd", "# one\n" + kPuzzle + "\n");
  EXPECT_EQ(Outcome(odd), "2");
  EXPECT_EQ(Outcome((dir_ / "odd:0").string()).rfind("error: ", 0), 0U);
}

}  // namespace
}  // namespace noralim
