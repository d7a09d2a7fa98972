// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What every reader of lines looks past: the CR of a CR LF line end, and the
// spaces and tabs around a line's content.
#pragma once

#include <string_view>

namespace noralim {

// A line without the CR of a CR LF line end, if any.
inline std::string_view WithoutCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// Text without the spaces and tabs around it.
inline std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace noralim
