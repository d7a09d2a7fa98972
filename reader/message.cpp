// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "reader/message.h"

namespace noralim {

std::string FormatMessage(const char* format, std::span<const std::string> args) {
  std::string text;
  for (const char* c = format; *c != '\0'; ++c) {
    const auto slot = static_cast<std::size_t>(c[1] - '1');
    if (c[0] == '%' && c[1] >= '1' && c[1] <= '9' && slot < args.size()) {
      text += args[slot];
      ++c;
    } else {
      text += *c;
    }
  }
  return text;
}

}  // namespace noralim
