# Picture acquisition: positions written as text, converted through any frame.
ordinax_fuzz(fuzz_pixel_points SOURCES ${CMAKE_CURRENT_LIST_DIR}/pixel_points_fuzz.cpp LIBS ordinax_acquisition)
