// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "solver/celltext.h"

#include <gtest/gtest.h>

namespace noralim {
namespace {

TEST(CellTextTest, RemoveAllTakesEveryCopyComparingExactly) {
  const std::u32string cases[][3] = {{U"123456789", U"5", U"12346789"},
                                     {U"555", U"5", U""},
                                     {U"", U"5", U""},
                                     {U"5195", U"5", U"19"},
                                     {U"5\r\n", U"5", U"\r\n"},
                                     {U"12345", U"５", U"12345"},
                                     {U"aA", U"a", U"A"},
                                     {U"aaa", U"aa", U"a"},
                                     // Longer texts: copies taken left to right, each once, none made by a removal.
                                     {U"aaaa", U"aa", U""},
                                     {U"ababa", U"aba", U"ba"},
                                     {U"aabb", U"ab", U"ab"},
                                     {U"1212", U"12", U""}};
  for (const auto& [from, remove, expected] : cases) EXPECT_EQ(RemoveAll(from, remove), expected) << EncodeUtf8(from);
  EXPECT_TRUE(ContainsText(U"12", U"2"));
  EXPECT_FALSE(ContainsText(U"２", U"2"));
}

TEST(CellTextTest, EveryCodePointSurvivesUtf8AndIllFormedBytesAreRefused) {
  for (char32_t cp = 0; cp <= 0x10FFFF; cp += (cp < 0x3000 ? 1 : 97)) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const CellText text{cp, U'\r', U'\n'};
    ASSERT_EQ(DecodeUtf8(EncodeUtf8(text)), text) << std::hex << static_cast<unsigned>(cp);
  }
  for (const char* bad :
       {"\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE3\x81", "a\xFF"}) {
    EXPECT_FALSE(DecodeUtf8(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace noralim
