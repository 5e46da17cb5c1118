# Analytic functions: clean-up, checks, compilation, evaluation and the curves.
ordinax_fuzz(fuzz_expression SOURCES ${CMAKE_CURRENT_LIST_DIR}/expression_fuzz.cpp LIBS ordinax_expression)
