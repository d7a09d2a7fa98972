// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "solver/lanes.h"

#include <cstring>
#include <type_traits>

#include "solver/solution.h"

namespace noralim {

namespace detail {
// Defined in lanes_generic.cpp and lanes_avx2.cpp, each compiled for its own
// instruction set: see laneskernel.h.
void SolveLanesGeneric(const std::uint16_t* starts, std::size_t count, std::uint16_t* finals, int* sweeps);
#if NORALIM_AVX2_KERNEL
void SolveLanesAvx2(const std::uint16_t* starts, std::size_t count, std::uint16_t* finals, int* sweeps);
#endif
}  // namespace detail

std::vector<LaneKernel> AvailableLaneKernels() {
  std::vector<LaneKernel> kernels = {LaneKernel::Generic};
#if NORALIM_AVX2_KERNEL
  if (__builtin_cpu_supports("avx2")) kernels.push_back(LaneKernel::Avx2);
#endif
  return kernels;
}

void SolveInLanes(std::span<const DigitCells> starts, std::span<LaneRun> runs, LaneKernel kernel) {
  // DigitCells is 81 masks in a row, trivially copyable: copied as they are.
  static_assert(sizeof(DigitCells) == kCellCount * sizeof(std::uint16_t) && std::is_trivially_copyable_v<DigitCells>);
  std::vector<std::uint16_t> masks(starts.size() * kCellCount);
  if (!starts.empty()) std::memcpy(masks.data(), starts.data(), masks.size() * sizeof(std::uint16_t));
  std::vector<std::uint16_t> finals(masks.size());
  std::vector<int> sweeps(starts.size());
#if NORALIM_AVX2_KERNEL
  if (kernel == LaneKernel::Avx2) {
    detail::SolveLanesAvx2(masks.data(), starts.size(), finals.data(), sweeps.data());
  } else {
    detail::SolveLanesGeneric(masks.data(), starts.size(), finals.data(), sweeps.data());
  }
#else
  static_cast<void>(kernel);
  detail::SolveLanesGeneric(masks.data(), starts.size(), finals.data(), sweeps.data());
#endif
  for (std::size_t k = 0; k < starts.size(); ++k) {
    if (sweeps[k] == 0) {
      const Solution solution = SolveOnDigitGrid(starts[k], false);
      runs[k] = {std::get<DigitCells>(solution.cells), solution.result};
    } else {
      std::memcpy(static_cast<void*>(runs[k].cells.data()), finals.data() + k * kCellCount, sizeof(DigitCells));
      runs[k].result = {sweeps[k], SolveEnd::Settled};
    }
  }
}

void SolveInLanes(std::span<const DigitCells> starts, std::span<LaneRun> runs) {
  SolveInLanes(starts, runs, AvailableLaneKernels().back());
}

}  // namespace noralim
