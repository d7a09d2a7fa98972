// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// Command lines as people type them by habit, read with getopt_long: long
// options with "=" or a separate value, unambiguous abbreviations, short
// options combined and with attached values, "--" ending the options, and
// operands anywhere. Shared by both programs.
#pragma once

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
  std::vector<Option> options;  // in the order given
  std::vector<std::string> operands;
  // What is wrong, in one line ("unknown option '--fast'"); empty when all is well.
  std::string error;
};

// args without the program name.
CommandLine ReadCommandLine(const std::vector<std::string>& args, std::span<const OptionSpec> specs);

}  // namespace noralim
