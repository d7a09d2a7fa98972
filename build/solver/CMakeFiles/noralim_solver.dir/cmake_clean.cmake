file(REMOVE_RECURSE
  "CMakeFiles/noralim_solver.dir/celltext.cpp.o"
  "CMakeFiles/noralim_solver.dir/celltext.cpp.o.d"
  "CMakeFiles/noralim_solver.dir/digitgrid.cpp.o"
  "CMakeFiles/noralim_solver.dir/digitgrid.cpp.o.d"
  "CMakeFiles/noralim_solver.dir/geometry.cpp.o"
  "CMakeFiles/noralim_solver.dir/geometry.cpp.o.d"
  "CMakeFiles/noralim_solver.dir/memorygrid.cpp.o"
  "CMakeFiles/noralim_solver.dir/memorygrid.cpp.o.d"
  "CMakeFiles/noralim_solver.dir/solve.cpp.o"
  "CMakeFiles/noralim_solver.dir/solve.cpp.o.d"
  "CMakeFiles/noralim_solver.dir/status.cpp.o"
  "CMakeFiles/noralim_solver.dir/status.cpp.o.d"
  "libnoralim_solver.a"
  "libnoralim_solver.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/noralim_solver.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
