# Diagram documents: the readers of the older generations (the current
# layout's reader is declared in CMakeLists.txt beside this file).
ordinax_fuzz(fuzz_legacy_reader SOURCES ${CMAKE_CURRENT_LIST_DIR}/legacy_reader_fuzz.cpp LIBS ordinax_document)
# The one-curve reading of the current layout, against the whole reading.
ordinax_fuzz(fuzz_orx_curve_reader SOURCES ${CMAKE_CURRENT_LIST_DIR}/orx_curve_reader_fuzz.cpp LIBS ordinax_document)
