file(REMOVE_RECURSE
  "CMakeFiles/test_solver.dir/celltext_test.cpp.o"
  "CMakeFiles/test_solver.dir/celltext_test.cpp.o.d"
  "CMakeFiles/test_solver.dir/digitgrid_test.cpp.o"
  "CMakeFiles/test_solver.dir/digitgrid_test.cpp.o.d"
  "CMakeFiles/test_solver.dir/geometry_test.cpp.o"
  "CMakeFiles/test_solver.dir/geometry_test.cpp.o.d"
  "CMakeFiles/test_solver.dir/passes_test.cpp.o"
  "CMakeFiles/test_solver.dir/passes_test.cpp.o.d"
  "CMakeFiles/test_solver.dir/solve_test.cpp.o"
  "CMakeFiles/test_solver.dir/solve_test.cpp.o.d"
  "CMakeFiles/test_solver.dir/status_test.cpp.o"
  "CMakeFiles/test_solver.dir/status_test.cpp.o.d"
  "test_solver"
  "test_solver.pdb"
  "test_solver[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/test_solver.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
