# Refinement of every nonlinear model by nonlinear least squares on a million points.
ordinax_bench(bench_refine
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/refine_bench.cpp
  LIBS ordinax_numerics
)
