// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Messages as formats with their values apart, so that the window can show
// them in the user's language: every format is a constant below or in
// commandline.h, marked for the window's translation catalogue, and "%1",
// "%2"... stand for the values put in.
#pragma once

#include <span>
#include <string>

// Marks a message for the window's translation catalogue, which reads these
// marks as it reads the toolkit's own; the text itself stays as it is.
#define NORALIM_TRANSLATE_NOOP(context, text) text

namespace noralim {

// The message with its values put in, in English.
std::string FormatMessage(const char* format, std::span<const std::string> args);

// What the reader says of a text or an operand that holds no puzzle.
namespace messages {
inline constexpr const char* kUnexpectedCharacter =
    NORALIM_TRANSLATE_NOOP("noralim", "unexpected character '%1' at column %2");
inline constexpr const char* kUnexpectedByte =
    NORALIM_TRANSLATE_NOOP("noralim", "unexpected character byte 0x%1 at column %2");
inline constexpr const char* kCellCount = NORALIM_TRANSLATE_NOOP("noralim", "expected %1 cells, got %2");
inline constexpr const char* kRowCount = NORALIM_TRANSLATE_NOOP("noralim", "expected 9 rows, got %1");
inline constexpr const char* kTenthRow =
    NORALIM_TRANSLATE_NOOP("noralim", "a tenth row: a grid has 9 rows (a blank line ends one)");
inline constexpr const char* kMisplacedDigit =
    NORALIM_TRANSLATE_NOOP("noralim", "digit %1 out of place at column %2 (only %3 or a blank goes there)");
inline constexpr const char* kNotAnArray = NORALIM_TRANSLATE_NOOP("noralim", "expected an array of 81 strings");
inline constexpr const char* kCellNotString = NORALIM_TRANSLATE_NOOP("noralim", "cell %1 is not a string");
inline constexpr const char* kCellNotUtf8 = NORALIM_TRANSLATE_NOOP("noralim", "cell %1 is not valid UTF-8");
inline constexpr const char* kJsonTooDeep =
    NORALIM_TRANSLATE_NOOP("noralim", "invalid JSON: nested deeper than %1 levels");
// %1: the JSON parser's own words.
inline constexpr const char* kInvalidJson = NORALIM_TRANSLATE_NOOP("noralim", "invalid JSON: %1");
inline constexpr const char* kNoCells = NORALIM_TRANSLATE_NOOP("noralim", "JSON object has no \"cells\"");
inline constexpr const char* kLineTooLong = NORALIM_TRANSLATE_NOOP("noralim", "line longer than %1 bytes");
inline constexpr const char* kReadError = NORALIM_TRANSLATE_NOOP("noralim", "read error: %1");
inline constexpr const char* kNoPuzzleOnLine =
    NORALIM_TRANSLATE_NOOP("noralim", "no puzzle on this line (blank or a comment)");
inline constexpr const char* kNoSuchLine = NORALIM_TRANSLATE_NOOP("noralim", "has no line %1 (%2 lines)");
inline constexpr const char* kNoPuzzleInFile = NORALIM_TRANSLATE_NOOP("noralim", "no puzzle in the file");
inline constexpr const char* kCellTooLong = NORALIM_TRANSLATE_NOOP("noralim", "a cell holds more than %1 characters");
inline constexpr const char* kLineFromOne = NORALIM_TRANSLATE_NOOP("noralim", "no such line: lines count from 1");
inline constexpr const char* kLineTooLarge =
    NORALIM_TRANSLATE_NOOP("noralim", "no such line: the line number is too large");
inline constexpr const char* kNotALineNumber =
    NORALIM_TRANSLATE_NOOP("noralim", "no such line: '%1' is not a line number");
// The system's own words for a file that cannot be opened, which the C
// library translates itself: not in the catalogue.
inline constexpr const char* kSystemError = "%1";
}  // namespace messages

}  // namespace noralim
