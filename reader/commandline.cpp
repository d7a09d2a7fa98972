// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "reader/commandline.h"

#include <charconv>

namespace noralim {

namespace {

EarlyExit Problem(const char* format, std::vector<std::string> args) { return UsageError{format, std::move(args)}; }

// An option's name with its dashes: "--json", "-j".
std::string Dashed(std::string_view dashes, std::string_view name) {
  std::string text(dashes);
  text += name;
  return text;
}

// Reads one command line: where it is, and the operands found so far.
class Parser {
 public:
  Parser(std::span<const std::string> args, std::span<const OptionRow> rows) : args_(args), rows_(rows) {}

  ParsedLine Run() {
    while (next_ < args_.size()) {
      const std::string_view arg = args_[next_++];
      std::optional<EarlyExit> early;
      if (arg == "--") {
        operands_.insert(operands_.end(), args_.begin() + static_cast<std::ptrdiff_t>(next_), args_.end());
        break;
      }
      if (arg.starts_with("--")) {
        early = Long(arg.substr(2));
      } else if (const OptionRow* row = ToolkitOption(arg); row != nullptr) {
        early = Take(*row, arg.substr(1));
      } else if (arg.size() > 1 && arg[0] == '-') {
        early = Shorts(arg.substr(1));
      } else {
        operands_.emplace_back(arg);
      }
      if (early) return *early;
    }
    return std::move(operands_);
  }

 private:
  // "-platform" or "-platform=NAME": a toolkit option written with one dash.
  [[nodiscard]] const OptionRow* ToolkitOption(std::string_view arg) const {
    if (arg.size() < 2 || arg[0] != '-' || arg[1] == '-') return nullptr;
    const std::string_view name = arg.substr(1, arg.find('=') - 1);
    for (const OptionRow& row : rows_) {
      if (row.toolkit && row.long_name == name) return &row;
    }
    return nullptr;
  }

  // "name", "name=value" or a beginning of a name that only one option has.
  std::optional<EarlyExit> Long(std::string_view text) {
    const std::string_view name = text.substr(0, text.find('='));
    const std::string typed = Dashed("--", name);
    const OptionRow* match = nullptr;
    int matches = 0;
    for (const OptionRow& row : rows_) {
      if (row.long_name == name) {
        match = &row;
        matches = 1;
        break;
      }
      if (!row.toolkit && row.long_name.starts_with(name)) {
        match = &row;
        ++matches;
      }
    }
    if (matches == 0) return Problem(messages::kUnknownOption, {typed});
    if (matches > 1) return Problem(messages::kAmbiguousOption, {typed});
    return Take(*match, text);
  }

  // A long option, `text` as typed after its dashes, with its value after
  // "=" or in the next argument.
  std::optional<EarlyExit> Take(const OptionRow& row, std::string_view text) {
    const auto equals = text.find('=');
    const std::string typed = Dashed(row.toolkit ? "-" : "--", text.substr(0, equals));
    if (row.value == nullptr) {
      if (equals != std::string_view::npos) return Problem(messages::kTakesNoValue, {typed});
      return row.handle("", NameOf(row));
    }
    std::optional<std::string_view> attached;
    if (equals != std::string_view::npos) attached = text.substr(equals + 1);
    return TakeValue(row, attached, typed, NameOf(row));
  }

  // An option that takes a value, with the value written along with it
  // (`attached`) or else the next argument; `typed` is the option as written.
  std::optional<EarlyExit> TakeValue(const OptionRow& row, std::optional<std::string_view> attached,
                                     const std::string& typed, std::string_view name) {
    if (attached) return row.handle(*attached, name);
    if (next_ == args_.size()) return Problem(messages::kNeedsValue, {typed, row.value});
    return row.handle(args_[next_++], name);
  }

  // Short options written together ("-hj2"), the last one perhaps with its
  // value attached or in the next argument.
  std::optional<EarlyExit> Shorts(std::string_view letters) {
    for (std::size_t k = 0; k < letters.size(); ++k) {
      const std::string typed = Dashed("-", letters.substr(k, 1));
      const OptionRow* row = nullptr;
      for (const OptionRow& candidate : rows_) {
        if (candidate.short_name != 0 && candidate.short_name == letters[k]) row = &candidate;
      }
      if (row == nullptr) return Problem(messages::kUnknownOption, {typed});
      if (row->value == nullptr) {
        if (auto stop = row->handle("", typed)) return stop;
        continue;
      }
      std::optional<std::string_view> attached;
      if (k + 1 < letters.size()) attached = letters.substr(k + 1);
      return TakeValue(*row, attached, typed, typed);
    }
    return std::nullopt;
  }

  // The option as the messages name it: a toolkit option with its one dash,
  // another by its short form when it has one.
  static std::string NameOf(const OptionRow& row) {
    if (row.toolkit) return Dashed("-", row.long_name);
    return row.short_name != 0 ? Dashed("-", std::string_view(&row.short_name, 1)) : Dashed("--", row.long_name);
  }

  std::span<const std::string> args_;
  std::span<const OptionRow> rows_;
  std::size_t next_ = 0;
  std::vector<std::string> operands_;
};

}  // namespace

ParsedLine ParseCommandLine(std::span<const std::string> args, std::span<const OptionRow> rows) {
  return Parser(args, rows).Run();
}

std::optional<EarlyExit> Help(std::string_view /*value*/, std::string_view /*name*/) { return ShowHelp{}; }
std::optional<EarlyExit> Version(std::string_view /*value*/, std::string_view /*name*/) { return ShowVersion{}; }

std::optional<long> ParseWholeNumber(std::string_view text, long low, long high) {
  long number = 0;
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, number);
  if (text.empty() || error != std::errc() || rest != end || number < low || number > high) return std::nullopt;
  return number;
}

std::optional<EarlyExit> SetWholeNumber(std::string_view value, std::string_view name, const char* what, int low,
                                        int high, int* out) {
  const auto number = ParseWholeNumber(value, low, high);
  if (!number) {
    return Problem(messages::kOutOfRange, {std::string(name), what, std::to_string(low), std::to_string(high)});
  }
  *out = static_cast<int>(*number);
  return std::nullopt;
}

}  // namespace noralim
