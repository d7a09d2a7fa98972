// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// What the fuzz targets share: aborting on a broken invariant, so that
// libFuzzer keeps the input as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace noralim::fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace noralim::fuzz
