// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Command lines as people type them by habit, read with getopt_long: long
// options with "=" or a separate value, unambiguous abbreviations, short
// options combined and with attached values, "--" ending the options, and
// operands anywhere. Shared by both programs.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace noralim {

// One option a program takes.
struct OptionSpec {
  const char* long_name;  // without "--"
  char short_name;        // 0 for none
  // What the option's value is, in words ("a puzzle"), or nullptr when it
  // takes none.
  const char* value;
};

struct CommandLine {
  struct Option {
    std::size_t spec;  // index into the specs
    std::string value;
  };
  enum class Problem : std::uint8_t { None, UnknownOption, AmbiguousOption, TakesNoValue, NeedsValue };

  std::vector<Option> options;  // in the order given
  std::vector<std::string> operands;
  // What is wrong, if anything: the option as typed ("--fast", "-x") and, for
  // NeedsValue, what its value is ("a puzzle").
  Problem problem = Problem::None;
  std::string option;
  const char* value = nullptr;
};

// args without the program name.
CommandLine ReadCommandLine(const std::vector<std::string>& args, std::span<const OptionSpec> specs);

// The problem in English, in one line: "unknown option '--fast'".
std::string DescribeProblem(const CommandLine& line);

}  // namespace noralim
