# Analytic functions: a million points of a function of about 30 tokens.
ordinax_bench(bench_expression
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/expression_bench.cpp
  LIBS ordinax_expression
)
