# Regression fits and the multi-model comparison on a million points.
ordinax_bench(bench_numerics
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/numerics_bench.cpp
  LIBS ordinax_numerics
)
