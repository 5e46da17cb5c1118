# The coordinates grid on large curves, in the application's widgets (off-screen).
ordinax_bench(bench_grid
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/grid_bench.cpp
  LIBS ordinax_shell
)
