// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// The Python module noralim: Calc, the rating and the generator of the C++
// libraries over many puzzles at once, with numpy arrays in and out. The work runs on the
// batch library's threads with the interpreter's lock released; this file
// only converts and checks what crosses.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "batch/generation.h"
#include "batch/puzzles.h"
#include "boards/generator.h"
#include "boards/rating.h"
#include "boards/symmetry.h"
#include "solver/status.h"

namespace py = pybind11;

namespace noralim::python {

namespace {

struct Ratings {
  py::array_t<std::uint8_t> solutions;
  py::array_t<std::uint8_t> levels;
  py::array_t<std::uint8_t> solution;
};

struct Runs {
  py::array_t<std::uint8_t> status;
  py::array_t<std::int32_t> sweeps;
  py::array_t<std::uint16_t> candidates;
};

// The puzzles as the batch library reads them, with what must outlive the
// reading: an array of digits stays referenced, lines are copied.
struct Input {
  std::unique_ptr<PuzzleSource> source;
  py::object keep;
};

std::string TypeName(py::handle object) { return py::str(py::type::handle_of(object).attr("__name__")); }

Input FromArray(const py::array& array) {
  if (array.ndim() != 2 || array.shape(1) != kCellCount) {
    throw py::value_error("puzzles as an array must have the shape (N, 81)");
  }
  if (array.dtype().kind() != 'u' && array.dtype().kind() != 'i') {
    throw py::type_error("puzzles as an array must hold integers, not " + std::string(py::str(array.dtype())));
  }
  // Any other integer type is checked for 0 to 9 first, since the cast to
  // bytes would wrap a value such as 257 round to a digit.
  if (!array.dtype().is(py::dtype::of<std::uint8_t>())) {
    const py::array_t<std::int64_t> wide = py::array_t<std::int64_t, py::array::forcecast>::ensure(array);
    const auto cells = wide.unchecked<2>();
    for (py::ssize_t k = 0; k < cells.shape(0); ++k) {
      for (py::ssize_t p = 0; p < kCellCount; ++p) {
        if (cells(k, p) < 0 || cells(k, p) > 9) {
          throw py::value_error("puzzle " + std::to_string(k) + ": cell " + std::to_string(p + 1) + " holds " +
                                std::to_string(cells(k, p)) + ", not 0 to 9");
        }
      }
    }
  }
  auto bytes = py::array_t<std::uint8_t, py::array::c_style | py::array::forcecast>::ensure(array);
  const auto count = static_cast<std::size_t>(bytes.shape(0));
  return {std::make_unique<PuzzleDigits>(bytes.data(), count), std::move(bytes)};
}

Input FromLines(const py::handle& puzzles) {
  if (py::isinstance<py::str>(puzzles) || py::isinstance<py::bytes>(puzzles)) {
    throw py::type_error("puzzles must be a sequence of strings or an (N, 81) array, not one string");
  }
  auto lines = std::make_unique<PuzzleLines>();
  const py::ssize_t hint = PyObject_LengthHint(puzzles.ptr(), 0);
  if (hint < 0) throw py::error_already_set();
  lines->Reserve(static_cast<std::size_t>(hint), static_cast<std::size_t>(hint) * (kCellCount + 1));
  std::size_t k = 0;
  for (const py::handle item : py::iter(puzzles)) {
    Py_ssize_t size = 0;
    const char* text = nullptr;
    if (PyUnicode_Check(item.ptr())) {
      text = PyUnicode_AsUTF8AndSize(item.ptr(), &size);
      if (text == nullptr) throw py::error_already_set();
    } else if (PyBytes_Check(item.ptr())) {
      text = PyBytes_AS_STRING(item.ptr());
      size = PyBytes_GET_SIZE(item.ptr());
    } else {
      throw py::type_error("puzzle " + std::to_string(k) + " is " + TypeName(item) + ", not str");
    }
    lines->Add({text, static_cast<std::size_t>(size)});
    ++k;
  }
  return {std::move(lines), py::none()};
}

Input ToInput(const py::object& puzzles) {
  if (py::isinstance<py::array>(puzzles)) return FromArray(puzzles.cast<py::array>());
  return FromLines(puzzles);
}

// Asked between batches with the lock released: takes the lock and runs the
// interpreter's signal handlers, so that Ctrl+C stops the run.
bool NoSignal() {
  const py::gil_scoped_acquire lock;
  return PyErr_CheckSignals() == 0;
}

int CheckedJobs(int jobs) {
  if (jobs < 0 || jobs > kMostJobs) {
    throw py::value_error("jobs must be 0 (every core) to " + std::to_string(kMostJobs) + ", not " +
                          std::to_string(jobs));
  }
  return jobs;
}

// Runs `work` without the lock and raises what ended it early.
template <class Work>
void RunReleased(const Work& work) {
  BatchEnd end;
  {
    const py::gil_scoped_release unlocked;
    end = work();
  }
  if (end.kind == BatchEnd::Kind::Stopped) throw py::error_already_set();
  if (end.kind == BatchEnd::Kind::Rejected) {
    throw py::value_error("puzzle " + std::to_string(end.index) + ": " + end.message);
  }
}

Ratings RateAll(const py::object& puzzles, int jobs) {
  CheckedJobs(jobs);
  const Input input = ToInput(puzzles);
  const auto count = static_cast<py::ssize_t>(input.source->Size());
  Ratings ratings{py::array_t<std::uint8_t>(count), py::array_t<std::uint8_t>(count),
                  py::array_t<std::uint8_t>({count, py::ssize_t{kCellCount}})};
  const RatingArrays out{ratings.solutions.mutable_data(), ratings.levels.mutable_data(),
                         ratings.solution.mutable_data()};
  RunReleased([&] { return RatePuzzles(*input.source, jobs, out, NoSignal); });
  return ratings;
}

Runs SolveAll(const py::object& puzzles, int jobs) {
  CheckedJobs(jobs);
  const Input input = ToInput(puzzles);
  const auto count = static_cast<py::ssize_t>(input.source->Size());
  Runs runs{py::array_t<std::uint8_t>(count), py::array_t<std::int32_t>(count),
            py::array_t<std::uint16_t>({count, py::ssize_t{kCellCount}})};
  const CalcArrays out{runs.status.mutable_data(), runs.sweeps.mutable_data(), runs.candidates.mutable_data()};
  RunReleased([&] { return CalcPuzzles(*input.source, jobs, out, NoSignal); });
  return runs;
}

// The names a setting takes, "a, b or c", for its message.
template <class Name>
std::string Choices(int count, Name name) {
  std::string text;
  for (int k = 0; k < count; ++k) {
    text += k == 0 ? "" : k + 1 == count ? " or " : ", ";
    text += name(k);
  }
  return text;
}

PuzzleOrder ToOrder(const std::optional<std::string>& rating, const std::string& symmetry, bool minimal) {
  PuzzleOrder order;
  order.minimal = minimal;
  if (rating) {
    order.level = LevelNamed(*rating);
    if (!order.level) {
      throw py::value_error("rating must be None, " +
                            Choices(kLevelCount, [](int k) { return LevelName(static_cast<Level>(k + 1)); }) +
                            ", not '" + *rating + "'");
    }
  }
  const std::optional<Symmetry> named = SymmetryNamed(symmetry);
  if (!named) {
    throw py::value_error("symmetry must be " +
                          Choices(kSymmetryCount, [](int k) { return SymmetryName(static_cast<Symmetry>(k)); }) +
                          ", not '" + symmetry + "'");
  }
  order.symmetry = *named;
  return order;
}

py::array_t<std::uint8_t> GenerateAll(long count, const std::optional<std::string>& rating, const std::string& symmetry,
                                      bool minimal, std::optional<std::uint64_t> seed, int jobs) {
  if (count < 0) throw py::value_error("n must be 0 or more, not " + std::to_string(count));
  const PuzzleOrder order = ToOrder(rating, symmetry, minimal);
  CheckedJobs(jobs);
  py::array_t<std::uint8_t> puzzles({static_cast<py::ssize_t>(count), py::ssize_t{kCellCount}});
  std::uint8_t* rows = puzzles.mutable_data();
  PacedQuestion go_on(NoSignal);
  {
    const py::gil_scoped_release unlocked;
    GeneratorRun run(order, seed.value_or(ClockSeed()), count, JobsOrCores(jobs), [&go_on] { return !go_on(); });
    for (std::size_t k = 0; const std::optional<MadePuzzle> made = run.Next(); ++k) {
      for (int p = 0; p < kCellCount; ++p) {
        const DigitSet given = made->puzzle.givens[kSlotOfPosition[p]];
        rows[k * kCellCount + p] = given == DigitSet() ? 0 : static_cast<std::uint8_t>(DigitOf(given));
      }
    }
  }
  if (!go_on()) throw py::error_already_set();
  return puzzles;
}

py::tuple LevelNames() {
  py::tuple names(kLevelCount);
  for (int level = 1; level <= kLevelCount; ++level) {
    names[level - 1] = py::str(std::string(LevelName(static_cast<Level>(level))));
  }
  return names;
}

py::tuple StatusNames() {
  constexpr GridStatus kStatuses[] = {GridStatus::Invalid, GridStatus::Solved, GridStatus::Open};
  py::tuple names(std::size(kStatuses));
  for (const GridStatus status : kStatuses) {
    names[static_cast<std::size_t>(status)] = py::str(std::string(StatusName(status)));
  }
  return names;
}

}  // namespace

}  // namespace noralim::python

namespace {

constexpr const char* kModuleDoc =
    R"(Calc, the rating and the generator of Noralim over many 9x9 number-place puzzles at once.

Puzzles are a sequence (or any iterable) of strings, each in any one-line
form noralim-solve reads: 81 characters row-major ('1' to '9' givens; '.',
'0' or '-' blanks) or a JSON line; a line feed at the end is ignored. Or an
(N, 81) integer array, row-major, 0 for a blank. Results are numpy arrays,
row k for puzzle k, in input order whatever the number of threads.

The work runs on the engine's own threads with the interpreter's lock
released, so other Python threads go on meanwhile; Ctrl+C stops a call with
KeyboardInterrupt. A puzzle that cannot be read raises ValueError naming its
index and what is wrong; nothing is returned then.)";

constexpr const char* kRateDoc = R"(Counts the solutions of each puzzle and rates it, as noralim-solve --rate.

jobs: worker threads, 0 for every core (at most 256).

Returns Ratings:
  solutions  uint8 (N,): 0, 1, or 2 for two or more
  levels     uint8 (N,): the hardest rung the puzzle needs, 1 to 9 (its name
             is LEVELS[level - 1]); 0 unless exactly one solution
  solution   uint8 (N, 81): the solution row-major; zeros unless exactly one)";

constexpr const char* kGenerateDoc =
    R"(Makes n new puzzles, each with exactly one solution, as noralim-solve --generate.

rating: the rung each puzzle rates (a name of LEVELS), or None for any.
symmetry: the pattern of the clues: none, central, quarter, mirror, flip,
  diagonal, antidiagonal or fourway.
minimal: no clue can go without a second solution.
seed: a whole number from 0 to 2**64 - 1; None for one from the clock. The
  same options and seed give the same puzzles in the same order as
  noralim-solve --generate, for every number of jobs.
jobs: worker threads, 0 for every core (at most 256).

Returns a uint8 array (n, 81): the clues row-major, 0 for a blank.)";

constexpr const char* kSolveDoc = R"(Runs Calc on each puzzle, as noralim-solve does.

jobs: worker threads, 0 for every core (at most 256).

Returns Runs:
  status      uint8 (N,): how the run ended, STATUSES[status]
  sweeps      int32 (N,): the sweeps of the run
  candidates  uint16 (N, 81): each cell's digits where the run ended,
              row-major, bit d-1 for digit d)";

}  // namespace

PYBIND11_MODULE(noralim, module) {
  using namespace noralim::python;
  module.doc() = kModuleDoc;
  module.attr("LEVELS") = LevelNames();
  module.attr("STATUSES") = StatusNames();
  py::class_<Ratings>(module, "Ratings", "What rate found: one row a puzzle, in input order.")
      .def_readonly("solutions", &Ratings::solutions, "uint8 (N,): 0, 1, or 2 for two or more")
      .def_readonly("levels", &Ratings::levels, "uint8 (N,): LEVELS[level - 1]; 0 unless one solution")
      .def_readonly("solution", &Ratings::solution, "uint8 (N, 81): row-major; zeros unless one solution")
      .def("__len__", [](const Ratings& ratings) { return ratings.solutions.size(); })
      .def("__repr__", [](const Ratings& ratings) {
        return "<noralim.Ratings of " + std::to_string(ratings.solutions.size()) + " puzzles>";
      });
  py::class_<Runs>(module, "Runs", "What solve found: one row a puzzle, in input order.")
      .def_readonly("status", &Runs::status, "uint8 (N,): STATUSES[status]")
      .def_readonly("sweeps", &Runs::sweeps, "int32 (N,): sweeps of the run")
      .def_readonly("candidates", &Runs::candidates, "uint16 (N, 81): row-major, bit d-1 for digit d")
      .def("__len__", [](const Runs& runs) { return runs.status.size(); })
      .def("__repr__",
           [](const Runs& runs) { return "<noralim.Runs of " + std::to_string(runs.status.size()) + " puzzles>"; });
  module.def("rate", &RateAll, kRateDoc, py::arg("puzzles"), py::arg("jobs") = 1);
  module.def("solve", &SolveAll, kSolveDoc, py::arg("puzzles"), py::arg("jobs") = 1);
  module.def("generate", &GenerateAll, kGenerateDoc, py::arg("n"), py::arg("rating") = py::none(),
             py::arg("symmetry") = "none", py::arg("minimal") = false, py::arg("seed") = py::none(),
             py::arg("jobs") = 1);
}
