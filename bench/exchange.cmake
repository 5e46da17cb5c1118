# Data exchange: text import throughput.
ordinax_bench(bench_exchange SOURCES ${CMAKE_CURRENT_LIST_DIR}/exchange_bench.cpp LIBS ordinax_exchange)
