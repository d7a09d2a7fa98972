// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Command lines as people type them by habit, shared by both programs: long
// options with "=" or a separate value, unambiguous abbreviations, short
// options combined and with attached values, "--" ending the options, and
// operands anywhere. Each program describes its options in one table, each
// entry with its name, its value and what it does; the parser keeps its
// whole state in the object that reads one command line.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "reader/message.h"

namespace noralim {

// Every message of the command lines, in English; "%1"... are the values put
// in. The window translates them under the context "noralim".
namespace messages {
inline constexpr const char* kUnknownOption = NORALIM_TRANSLATE_NOOP("noralim", "unknown option '%1'");
inline constexpr const char* kAmbiguousOption = NORALIM_TRANSLATE_NOOP("noralim", "option '%1' is ambiguous");
inline constexpr const char* kTakesNoValue = NORALIM_TRANSLATE_NOOP("noralim", "option '%1' takes no value");
inline constexpr const char* kNeedsValue = NORALIM_TRANSLATE_NOOP("noralim", "option '%1' needs %2");
inline constexpr const char* kOutOfRange = NORALIM_TRANSLATE_NOOP("noralim", "%1 takes %2 from %3 to %4");
inline constexpr const char* kTooManyOperands = NORALIM_TRANSLATE_NOOP("noralim", "more than one operand");
}  // namespace messages

// What a program does instead of its work: show its help, show its version,
// or say what is wrong with the command line (exit status 2).
struct ShowHelp {};
struct ShowVersion {};
struct UsageError {
  const char* format;             // one of the messages above
  std::vector<std::string> args;  // for %1, %2...
};
using EarlyExit = std::variant<ShowHelp, ShowVersion, UsageError>;

// The message with its values put in, in English.
inline std::string Describe(const UsageError& error) { return FormatMessage(error.format, error.args); }

// One row of a program's option table: one option it takes.
struct OptionRow {
  // What the option does with its value ("" for a flag), given the option
  // as the messages name it ("-j", "--pace"); an EarlyExit ends the reading
  // there.
  using Handler = std::function<std::optional<EarlyExit>(std::string_view value, std::string_view name)>;

  std::string_view long_name;  // without the dashes
  // What the option's value is, in words ("a puzzle"), marked for
  // translation; nullptr when it takes none.
  const char* value = nullptr;
  Handler handle;
  char short_name = 0;  // 0 for none
  // Written with one dash as well as two and never shortened: the toolkit's
  // own options ("-platform offscreen"), which the window hands on.
  bool toolkit = false;
};

// The operands of a command line whose options were all taken, or why the
// program stops.
using ParsedLine = std::variant<std::vector<std::string>, EarlyExit>;

// Reads args (without the program name) against the table, calling each
// option's handler in the order the options stand.
ParsedLine ParseCommandLine(std::span<const std::string> args, std::span<const OptionRow> rows);

// Handlers for the options every program has.
std::optional<EarlyExit> Help(std::string_view value, std::string_view name);
std::optional<EarlyExit> Version(std::string_view value, std::string_view name);

// A decimal whole number from low to high, all of text; nullopt otherwise.
std::optional<long> ParseWholeNumber(std::string_view text, long low, long high);

// Sets *out from an option's value, from low to high, or says what the
// option takes ("a number of threads").
std::optional<EarlyExit> SetWholeNumber(std::string_view value, std::string_view name, const char* what, int low,
                                        int high, int* out);

}  // namespace noralim
