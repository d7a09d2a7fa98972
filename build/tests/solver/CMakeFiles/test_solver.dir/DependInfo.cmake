
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/solver/celltext_test.cpp" "tests/solver/CMakeFiles/test_solver.dir/celltext_test.cpp.o" "gcc" "tests/solver/CMakeFiles/test_solver.dir/celltext_test.cpp.o.d"
  "/work/main/tests/solver/digitgrid_test.cpp" "tests/solver/CMakeFiles/test_solver.dir/digitgrid_test.cpp.o" "gcc" "tests/solver/CMakeFiles/test_solver.dir/digitgrid_test.cpp.o.d"
  "/work/main/tests/solver/geometry_test.cpp" "tests/solver/CMakeFiles/test_solver.dir/geometry_test.cpp.o" "gcc" "tests/solver/CMakeFiles/test_solver.dir/geometry_test.cpp.o.d"
  "/work/main/tests/solver/passes_test.cpp" "tests/solver/CMakeFiles/test_solver.dir/passes_test.cpp.o" "gcc" "tests/solver/CMakeFiles/test_solver.dir/passes_test.cpp.o.d"
  "/work/main/tests/solver/solve_test.cpp" "tests/solver/CMakeFiles/test_solver.dir/solve_test.cpp.o" "gcc" "tests/solver/CMakeFiles/test_solver.dir/solve_test.cpp.o.d"
  "/work/main/tests/solver/status_test.cpp" "tests/solver/CMakeFiles/test_solver.dir/status_test.cpp.o" "gcc" "tests/solver/CMakeFiles/test_solver.dir/status_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build/solver/CMakeFiles/noralim_solver.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
