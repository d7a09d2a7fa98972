// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// A small seeded generator of pseudo-random numbers whose output is the same
// with every compiler and standard library: xoshiro256** seeded through
// splitmix64 (Blackman and Vigna). std:: distributions are not used, since
// their output differs between standard libraries.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace noralim {

// One step of splitmix64: a well-mixed 64-bit value from a counter.
constexpr std::uint64_t SplitMix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

class Random {
 public:
  explicit constexpr Random(std::uint64_t seed) {
    for (std::uint64_t& word : state_) word = SplitMix64(seed);
  }

  constexpr std::uint64_t Next() {
    const std::uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = std::rotl(state_[3], 45);
    return result;
  }

  // A number from 0 to n - 1 (n from 1 to 2^32): the top 32 bits scaled,
  // which is as even as the task needs and costs no division.
  constexpr int Below(int n) { return static_cast<int>(((Next() >> 32) * static_cast<std::uint64_t>(n)) >> 32); }

  // Shuffles the first n items (Fisher-Yates).
  template <class T>
  constexpr void Shuffle(T* items, int n) {
    for (int k = n - 1; k > 0; --k) {
      const int j = Below(k + 1);
      const T held = items[k];
      items[k] = items[j];
      items[j] = held;
    }
  }

 private:
  std::array<std::uint64_t, 4> state_{};
};

}  // namespace noralim
