# The regression catalogue reader.
ordinax_fuzz(fuzz_catalogue
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/catalogue_fuzz.cpp
  LIBS ordinax_numerics
)
