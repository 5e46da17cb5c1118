# The coordinates grid: pasting clipboard text into a curve.
ordinax_fuzz(fuzz_grid_paste SOURCES ${CMAKE_CURRENT_LIST_DIR}/grid_paste_fuzz.cpp LIBS ordinax_exchange)
