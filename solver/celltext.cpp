// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "solver/celltext.h"

#include <algorithm>

namespace noralim {

CellText RemoveAll(CellText w, const CellText& t) {
  if (t.empty() || w.empty()) {
    return w;
  }
  if (t.size() == 1) {
    // The case the passes use: drop every copy of one character in place.
    std::erase(w, t.front());
    return w;
  }
  CellText out;
  out.reserve(w.size());
  std::size_t pos = 0;
  while (pos < w.size()) {
    if (w.compare(pos, t.size(), t) == 0) {
      pos += t.size();
    } else {
      out.push_back(w[pos]);
      ++pos;
    }
  }
  return out;
}

bool ContainsText(const CellText& s, const CellText& t) { return !s.empty() && s.find(t) != CellText::npos; }

CellText DigitText(int d) {
  CellText out;
  do {
    out.insert(out.begin(), static_cast<char32_t>(U'0' + d % 10));
    d /= 10;
  } while (d > 0);
  return out;
}

const CellText& FullCandidateString() {
  static const CellText kFull = U"123456789";
  return kFull;
}

namespace {

// Length of the UTF-8 sequence introduced by lead byte b, 0 if b cannot lead.
int SequenceLength(unsigned char b) {
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) return 2;
  if (b >= 0xE0 && b <= 0xEF) return 3;
  if (b >= 0xF0 && b <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::optional<CellText> DecodeUtf8(std::string_view bytes) {
  CellText out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int n = SequenceLength(lead);
    if (n == 0 || i + n > bytes.size()) return std::nullopt;
    char32_t cp = n == 1 ? lead : lead & (0x7F >> n);
    for (int k = 1; k < n; ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + k]);
      if ((c & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (c & 0x3F);
    }
    const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    out.push_back(cp);
    i += n;
  }
  return out;
}

std::string EncodeUtf8(const CellText& text) {
  std::string out;
  out.reserve(text.size());
  for (const char32_t cp : text) {
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace noralim
