// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The text of a cell and the string operations the passes work with.
//
// Representation: a cell text is a std::u32string, one element per Unicode
// code point. Lengths decide what a text means (empty, settled, candidate
// string), so they must count characters; with UTF-32 the length, indexing
// and exact comparison are the container's own and cost nothing. UTF-8 was
// rejected because every length test of a pass would have to decode, and
// UTF-16 because characters outside the Basic Multilingual Plane take two
// units. A line break typed into a cell is stored as the two characters
// CR LF. Conversion to and from UTF-8 is lossless for every valid code point.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace noralim {

using CellText = std::u32string;

// Number of characters of a text.
inline std::size_t Length(const CellText& t) { return t.size(); }

// w with every occurrence of t removed, scanning left to right without
// overlap; the remaining characters keep their order.
CellText RemoveAll(CellText w, const CellText& t);

// True when t occurs in s at some position. An empty s contains nothing.
bool ContainsText(const CellText& s, const CellText& t);

// The decimal text of a non-negative integer: "1" to "9" for 1 to 9.
CellText DigitText(int d);

// True when the text is one of the digits "1" to "9".
inline bool IsDigitValue(const CellText& t) { return t.size() == 1 && t[0] >= U'1' && t[0] <= U'9'; }

// "123456789", the nine digits in ascending order.
const CellText& FullCandidateString();

// UTF-8 conversions. DecodeUtf8 rejects ill-formed input (overlong forms,
// surrogates, values above U+10FFFF, truncated sequences) with nullopt.
std::optional<CellText> DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(const CellText& text);

}  // namespace noralim
