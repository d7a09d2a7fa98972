// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "reader/commandline.h"

#include <getopt.h>

#include <string_view>

namespace noralim {

namespace {

// The values getopt_long returns for the long options: above every byte.
constexpr int kFirstLongValue = 256;

// Records what is wrong with the option getopt_long did not take: a long
// option (`option` 0 or a long option's value), typed as `arg`, or the short
// option `option`.
void NoteProblem(const char* arg, int option, std::span<const OptionSpec> specs, CommandLine& line) {
  const bool is_long = option == 0 || option >= kFirstLongValue;
  const std::string_view text = arg;
  line.option = is_long ? std::string(text.substr(0, text.find('='))) : std::string("-") + static_cast<char>(option);
  int matches = 0;
  const OptionSpec* match = nullptr;
  for (const OptionSpec& spec : specs) {
    const bool hit = is_long ? std::string_view(spec.long_name).starts_with(std::string_view(line.option).substr(2))
                             : spec.short_name == option;
    if (hit) {
      ++matches;
      match = &spec;
    }
  }
  using Problem = CommandLine::Problem;
  if (matches == 0) {
    line.problem = Problem::UnknownOption;
  } else if (matches > 1) {
    line.problem = Problem::AmbiguousOption;
  } else if (match->value == nullptr) {
    line.problem = Problem::TakesNoValue;
  } else {
    line.problem = Problem::NeedsValue;
    line.value = match->value;
  }
}

}  // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& args, std::span<const OptionSpec> specs) {
  std::string short_names = ":";  // a missing value is reported as ':', not '?'
  std::vector<option> long_options;
  for (std::size_t k = 0; k < specs.size(); ++k) {
    const int has_arg = specs[k].value != nullptr ? required_argument : no_argument;
    long_options.push_back({specs[k].long_name, has_arg, nullptr, kFirstLongValue + static_cast<int>(k)});
    if (specs[k].short_name != 0) {
      short_names += specs[k].short_name;
      if (specs[k].value != nullptr) short_names += ':';
    }
  }
  long_options.push_back({nullptr, 0, nullptr, 0});

  // getopt_long works on argv in place: a copy, with a program name first.
  std::vector<std::string> strings = {"noralim"};
  strings.insert(strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  argv.reserve(strings.size() + 1);
  for (std::string& s : strings) argv.push_back(s.data());
  argv.push_back(nullptr);

  CommandLine line;
  optind = 0;  // starts getopt_long afresh
  opterr = 0;
  const int argc = static_cast<int>(strings.size());
  for (int c; (c = getopt_long(argc, argv.data(), short_names.c_str(), long_options.data(), nullptr)) != -1;) {
    if (c == '?' || c == ':') {
      NoteProblem(argv[static_cast<std::size_t>(optind - 1)], optopt, specs, line);
      return line;
    }
    std::size_t spec = 0;
    if (c >= kFirstLongValue) {
      spec = static_cast<std::size_t>(c - kFirstLongValue);
    } else {
      while (specs[spec].short_name != c) ++spec;
    }
    line.options.push_back({spec, optarg != nullptr ? optarg : ""});
  }
  for (int k = optind; k < argc; ++k) line.operands.emplace_back(argv[static_cast<std::size_t>(k)]);
  return line;
}

std::string DescribeProblem(const CommandLine& line) {
  switch (line.problem) {
    case CommandLine::Problem::UnknownOption:
      return "unknown option '" + line.option + "'";
    case CommandLine::Problem::AmbiguousOption:
      return "option '" + line.option + "' is ambiguous";
    case CommandLine::Problem::TakesNoValue:
      return "option '" + line.option + "' takes no value";
    case CommandLine::Problem::NeedsValue:
      return "option '" + line.option + "' needs " + line.value;
    case CommandLine::Problem::None:
      break;
  }
  return {};
}

}  // namespace noralim
