// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/rating.h"

#include "cli/output.h"

namespace noralim::cli {

void AppendRatingPlain(const Rating& rating, std::string* out) {
  *out += ' ';
  out->push_back(static_cast<char>('0' + rating.solutions));
  *out += ' ';
  *out += rating.level ? LevelName(*rating.level) : "-";
  *out += ' ';
  if (rating.solution) {
    AppendPlainCells(*rating.solution, out);
  } else {
    *out += '-';
  }
}

void AppendRatingJson(const Rating& rating, std::string* out) {
  *out += ",\"solutions\":";
  out->push_back(static_cast<char>('0' + rating.solutions));
  *out += ",\"rating\":";
  if (rating.level) {
    *out += '"';
    *out += LevelName(*rating.level);
    *out += '"';
  } else {
    *out += "null";
  }
  *out += ",\"solution\":";
  if (rating.solution) {
    *out += '"';
    AppendPlainCells(*rating.solution, out);
    *out += '"';
  } else {
    *out += "null";
  }
}

}  // namespace noralim::cli
