// What the fuzz targets share: aborting on a broken invariant, so that
// libFuzzer records the input as a crash, and a bound on the sweeps of a run.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "geometry.h"
#include "windowservices.h"

namespace noralim::fuzz {

[[noreturn]] inline void Broken(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

inline void Require(bool holds, const char* what) {
  if (!holds) Broken(what);
}

// No window, but a count of sweeps: RunSolve processes pending events once per
// unit number, nine times a sweep. A run must end by settling or by the repeat
// rule; one that goes past this many sweeps is taken to run for ever.
class SweepGuard final : public WindowServices {
 public:
  static constexpr long kMaxSweeps = 2000;

  void SetMousePointer(MousePointer /*pointer*/) override {}
  void SetCalcEnabled(bool /*enabled*/) override {}
  void ProcessPendingEvents() override {
    if (++calls_ > kMaxSweeps * kUnitSize) Broken("the run does not end");
  }

 private:
  long calls_ = 0;
};

}  // namespace noralim::fuzz
