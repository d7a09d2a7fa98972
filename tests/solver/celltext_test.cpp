#include "celltext.h"

#include <gtest/gtest.h>

#include <string>

#include "testgrids.h"

namespace noralim {
namespace {

using testing::T;

struct RemoveCase {
  const char* name;
  const char* from;
  const char* remove;
  const char* expected;
};

class RemoveAllTest : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveAllTest, RemovesEveryOccurrenceAndKeepsTheOrder) {
  const RemoveCase& c = GetParam();
  EXPECT_EQ(RemoveAll(T(c.from), T(c.remove)), T(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemoveAllTest,
    ::testing::Values(RemoveCase{"DigitFromFull", "123456789", "5", "12346789"},
                      RemoveCase{"OnlyCopies", "555", "5", ""}, RemoveCase{"EmptyText", "", "5", ""},
                      RemoveCase{"LetterFromFull", "123456789", "a", "123456789"},
                      RemoveCase{"FullWidthDigitIsNotADigit", "123456789", "５", "123456789"},
                      RemoveCase{"UnorderedWithRepeats", "5195", "5", "19"},
                      RemoveCase{"LineBreakKept", "5\r\n", "5", "\r\n"}, RemoveCase{"NoOverlap", "aaa", "aa", "a"},
                      RemoveCase{"NoCaseFolding", "aA", "a", "A"}),
    [](const ::testing::TestParamInfo<RemoveCase>& param_info) { return std::string(param_info.param.name); });

TEST(ContainsTextTest, FindsAtAnyPositionAndNeverInEmpty) {
  EXPECT_TRUE(ContainsText(T("12"), T("2")));
  EXPECT_TRUE(ContainsText(T("2"), T("2")));
  EXPECT_FALSE(ContainsText(T("13"), T("2")));
  EXPECT_FALSE(ContainsText(T(""), T("")));
  EXPECT_FALSE(ContainsText(T(""), T("2")));
  EXPECT_FALSE(ContainsText(T("２"), T("2")));
}

TEST(DigitTextTest, IsThePlainDecimalText) {
  EXPECT_EQ(DigitText(0), T("0"));
  EXPECT_EQ(DigitText(1), T("1"));
  EXPECT_EQ(DigitText(9), T("9"));
  EXPECT_EQ(DigitText(10), T("10"));
  EXPECT_EQ(DigitText(305), T("305"));
}

TEST(Utf8Test, EveryCodePointRoundTrips) {
  for (char32_t cp = 0; cp <= 0x10FFFF; cp += (cp < 0x3000 ? 1 : 97)) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const CellText text{cp, U'\r', U'\n'};
    ASSERT_EQ(DecodeUtf8(EncodeUtf8(text)), text) << std::hex << static_cast<unsigned>(cp);
  }
  EXPECT_EQ(DecodeUtf8("\xF4\x8F\xBF\xBF")->front(), U'\U0010FFFF');
}

TEST(Utf8Test, IllFormedInputIsRejected) {
  for (const char* bad : {"\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE3\x81", "a\xFF",
                          "\xF8\x88\x80\x80\x80"}) {
    EXPECT_FALSE(DecodeUtf8(bad).has_value()) << bad;
  }
  EXPECT_EQ(DecodeUtf8("５")->size(), 1U);
}

}  // namespace
}  // namespace noralim
