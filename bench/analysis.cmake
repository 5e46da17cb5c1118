# Smoothing lines of a million-point curve (B-spline and cubic spline).
ordinax_bench(bench_smoothing
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/smoothing_bench.cpp
  LIBS ordinax_numerics
)
