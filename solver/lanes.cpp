// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "solver/lanes.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <type_traits>

#include "solver/passes.h"
#include "solver/solution.h"

namespace noralim {

namespace detail {
// Defined in lanes_generic.cpp and lanes_avx2.cpp, each compiled for its own
// instruction set: see laneskernel.h.
void SolveLanesGeneric(const std::uint16_t* starts, std::size_t count, std::uint16_t* finals, int* sweeps,
                       std::uint8_t* statuses, std::uint16_t* wheres);
#if NORALIM_AVX2_KERNEL
void SolveLanesAvx2(const std::uint16_t* starts, std::size_t count, std::uint16_t* finals, int* sweeps,
                    std::uint8_t* statuses, std::uint16_t* wheres);
#endif
}  // namespace detail

namespace {

// The contradiction a lane stopped at, from the grid as it stood there and
// the kernel's place of the write: 1 + 9 * unit + k, for target k of the
// unit in pass order, units numbered boxes, columns, rows.
Contradiction ContradictionOfLane(const DigitCells& cells, std::uint16_t where) {
  const int unit = (where - 1) / kUnitSize;
  const auto kind = static_cast<UnitKind>(unit / kUnitSize);
  const auto n = static_cast<UnitNumber>(unit % kUnitSize + 1);
  const CellIndex target = Unit(kind, n)[static_cast<std::size_t>((where - 1) % kUnitSize)];
  return detail::ContradictionAt(DigitGrid(cells), kind, n, target);
}

}  // namespace

std::vector<LaneKernel> AvailableLaneKernels() {
  std::vector<LaneKernel> kernels = {LaneKernel::Generic};
#if NORALIM_AVX2_KERNEL
  if (__builtin_cpu_supports("avx2")) kernels.push_back(LaneKernel::Avx2);
#endif
  return kernels;
}

LaneSolver::LaneSolver() : kernel_(AvailableLaneKernels().back()) {}

LaneSolver::LaneSolver(LaneKernel kernel) : kernel_(kernel) {
  const std::vector<LaneKernel> available = AvailableLaneKernels();
  if (std::find(available.begin(), available.end(), kernel) == available.end()) {
    throw std::invalid_argument("this lane kernel is not available here");
  }
}

void LaneSolver::Solve(std::span<const DigitCells> starts, std::span<LaneRun> runs) {
  // DigitCells is 81 masks in a row, trivially copyable: copied as they are.
  static_assert(sizeof(DigitCells) == kCellCount * sizeof(std::uint16_t) && std::is_trivially_copyable_v<DigitCells>);
  if (starts.size() != runs.size()) throw std::invalid_argument("a run for every start");
  const std::size_t count = starts.size();
  starts_.resize(count * kCellCount);
  finals_.resize(count * kCellCount);
  sweeps_.resize(count);
  statuses_.resize(count);
  wheres_.resize(count);
  if (count == 0) return;
  std::memcpy(starts_.data(), starts.data(), starts_.size() * sizeof(std::uint16_t));
#if NORALIM_AVX2_KERNEL
  if (kernel_ == LaneKernel::Avx2) {
    detail::SolveLanesAvx2(starts_.data(), count, finals_.data(), sweeps_.data(), statuses_.data(), wheres_.data());
  } else {
    detail::SolveLanesGeneric(starts_.data(), count, finals_.data(), sweeps_.data(), statuses_.data(), wheres_.data());
  }
#else
  detail::SolveLanesGeneric(starts_.data(), count, finals_.data(), sweeps_.data(), statuses_.data(), wheres_.data());
#endif
  for (std::size_t k = 0; k < count; ++k) {
    std::memcpy(static_cast<void*>(runs[k].cells.data()), finals_.data() + k * kCellCount, sizeof(DigitCells));
    // The kernel's codes: 0 open, 1 solved, 2 invalid, 3 to be finished
    // here, 4 stopped at a contradiction.
    if (statuses_[k] == 3) {
      const Solution solution = SolveOnDigitGrid(runs[k].cells, false);
      runs[k] = {std::get<DigitCells>(solution.cells), solution.result, solution.status};
      runs[k].result.sweeps += sweeps_[k];
    } else if (statuses_[k] == 4) {
      runs[k].result = {sweeps_[k], SolveEnd::Contradiction, ContradictionOfLane(runs[k].cells, wheres_[k])};
      runs[k].status = GridStatus::Invalid;
    } else {
      constexpr GridStatus kStatusOfCode[] = {GridStatus::Open, GridStatus::Solved, GridStatus::Invalid};
      runs[k].result = {sweeps_[k], SolveEnd::Settled};
      runs[k].status = kStatusOfCode[statuses_[k]];
    }
  }
}

void SolveInLanes(std::span<const DigitCells> starts, std::span<LaneRun> runs, LaneKernel kernel) {
  LaneSolver(kernel).Solve(starts, runs);
}

}  // namespace noralim
