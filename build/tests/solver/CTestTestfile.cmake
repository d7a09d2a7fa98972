# CMake generated Testfile for 
# Source directory: /work/main/tests/solver
# Build directory: /work/main/build/tests/solver
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build/tests/solver/test_solver[1]_include.cmake")
