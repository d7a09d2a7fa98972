// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "reader/commandline.h"

#include <getopt.h>

#include <string_view>

namespace noralim {

namespace {

// The values getopt_long returns for the long options: above every byte.
constexpr int kFirstLongValue = 256;

// What is wrong with the option getopt_long did not take: a long option
// (`option` 0 or a long option's value), typed as `arg`, or the short option
// `option`.
std::string Problem(const char* arg, int option, std::span<const OptionSpec> specs) {
  const bool is_long = option == 0 || option >= kFirstLongValue;
  const int short_name = is_long ? 0 : option;
  const std::string_view text = arg;
  const std::string typed =
      is_long ? std::string(text.substr(0, text.find('='))) : std::string("-") + static_cast<char>(option);
  int matches = 0;
  const OptionSpec* match = nullptr;
  for (const OptionSpec& spec : specs) {
    const bool hit = is_long ? std::string_view(spec.long_name).starts_with(typed.substr(2))
                             : spec.short_name == short_name && short_name != 0;
    if (hit) {
      ++matches;
      match = &spec;
    }
  }
  if (matches == 0) return "unknown option '" + typed + "'";
  if (matches > 1) return "option '" + typed + "' is ambiguous";
  if (match->value == nullptr) return "option '" + typed + "' takes no value";
  return "option '" + typed + "' needs " + match->value;
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
  for (std::string& s : strings) argv.push_back(s.data());
  argv.push_back(nullptr);

  CommandLine line;
  optind = 0;  // starts getopt_long afresh
  opterr = 0;
  const int argc = static_cast<int>(strings.size());
  for (int c; (c = getopt_long(argc, argv.data(), short_names.c_str(), long_options.data(), nullptr)) != -1;) {
    if (c == '?' || c == ':') {
      line.error = Problem(argv[static_cast<std::size_t>(optind - 1)], optopt, specs);
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

}  // namespace noralim
