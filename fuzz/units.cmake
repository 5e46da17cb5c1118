# Units: the database reader and the recent-units reader.
ordinax_fuzz(fuzz_unit_database SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit_database_fuzz.cpp LIBS ordinax_units)
