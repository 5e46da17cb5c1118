# The undo history on a large diagram.
ordinax_bench(bench_change_history SOURCES change_history_bench.cpp LIBS ordinax_document)
