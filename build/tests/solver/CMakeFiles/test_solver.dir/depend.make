# Empty dependencies file for test_solver.
# This may be replaced when dependencies are built.
