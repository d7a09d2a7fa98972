# Empty dependencies file for noralim_solver.
# This may be replaced when dependencies are built.
