file(REMOVE_RECURSE
  "libnoralim_solver.a"
)
