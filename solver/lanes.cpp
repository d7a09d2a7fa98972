#include "solver/lanes.h"

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
  std::vector<std::uint16_t> masks;
  masks.reserve(starts.size() * kCellCount);
  for (const DigitCells& start : starts) {
    for (const DigitSet cell : start) masks.push_back(cell.Bits());
  }
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
      for (std::size_t i = 0; i < kCellCount; ++i) runs[k].cells[i] = DigitSet::FromBits(finals[k * kCellCount + i]);
      runs[k].result = {sweeps[k], SolveEnd::Settled};
    }
  }
}

void SolveInLanes(std::span<const DigitCells> starts, std::span<LaneRun> runs) {
  SolveInLanes(starts, runs, AvailableLaneKernels().back());
}

}  // namespace noralim
