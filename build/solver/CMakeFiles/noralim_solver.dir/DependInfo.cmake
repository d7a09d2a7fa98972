
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/solver/celltext.cpp" "solver/CMakeFiles/noralim_solver.dir/celltext.cpp.o" "gcc" "solver/CMakeFiles/noralim_solver.dir/celltext.cpp.o.d"
  "/work/main/solver/digitgrid.cpp" "solver/CMakeFiles/noralim_solver.dir/digitgrid.cpp.o" "gcc" "solver/CMakeFiles/noralim_solver.dir/digitgrid.cpp.o.d"
  "/work/main/solver/geometry.cpp" "solver/CMakeFiles/noralim_solver.dir/geometry.cpp.o" "gcc" "solver/CMakeFiles/noralim_solver.dir/geometry.cpp.o.d"
  "/work/main/solver/memorygrid.cpp" "solver/CMakeFiles/noralim_solver.dir/memorygrid.cpp.o" "gcc" "solver/CMakeFiles/noralim_solver.dir/memorygrid.cpp.o.d"
  "/work/main/solver/solve.cpp" "solver/CMakeFiles/noralim_solver.dir/solve.cpp.o" "gcc" "solver/CMakeFiles/noralim_solver.dir/solve.cpp.o.d"
  "/work/main/solver/status.cpp" "solver/CMakeFiles/noralim_solver.dir/status.cpp.o" "gcc" "solver/CMakeFiles/noralim_solver.dir/status.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
