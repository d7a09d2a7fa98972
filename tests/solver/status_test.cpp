#include "status.h"

#include <gtest/gtest.h>

#include <string>

#include "testgrids.h"

namespace noralim {
namespace {

using testing::FromRows;
using testing::T;

struct StatusCase {
  const char* name;
  std::string rows;  // row-major, '.' stands for "123" (an open cell)
  std::string::size_type poke;
  const char* poked;  // the text put at row-major position `poke`
  GridStatus expected;
};

class ClassifyTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(ClassifyTest, NamesWhatTheTextsSay) {
  const StatusCase& c = GetParam();
  GridTexts texts = FromRows(c.rows).Texts();
  for (CellText& t : texts) {
    if (t.empty()) t = T("123");
  }
  const int p = static_cast<int>(c.poke);
  texts[CellAtPosition(p) - 1] = T(c.poked);
  EXPECT_EQ(Classify(texts, SolveEnd::Settled), c.expected);
  EXPECT_EQ(Classify(texts, SolveEnd::Cycle), GridStatus::Cycle);
}

const std::string kSolved(testing::kTwentyEightSolved);

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassifyTest,
    ::testing::Values(StatusCase{"Solved", kSolved, 0, "8", GridStatus::Solved},
                      StatusCase{"EmptyCell", kSolved, 40, "", GridStatus::Invalid},
                      StatusCase{"RepeatInRow", kSolved, 1, "8", GridStatus::Invalid},
                      StatusCase{"RepeatInColumn", kSolved, 9, "8", GridStatus::Invalid},
                      StatusCase{"RepeatedLetterInBox", std::string(81, '.'), 0, "a", GridStatus::Open},
                      StatusCase{"CandidateLeft", kSolved, 80, "23", GridStatus::Open},
                      StatusCase{"LetterInsteadOfDigit", kSolved, 80, "x", GridStatus::Open}),
    [](const ::testing::TestParamInfo<StatusCase>& info_) { return std::string(info_.param.name); });

}  // namespace
}  // namespace noralim
