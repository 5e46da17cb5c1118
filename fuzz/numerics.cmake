# The regression catalogue reader.
ordinax_fuzz(fuzz_catalogue
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/catalogue_fuzz.cpp
  LIBS ordinax_numerics
)

# A refinement as a diagram file's fit slots record it: record, band, refit.
ordinax_fuzz(fuzz_refined_curve
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/refined_curve_fuzz.cpp
  LIBS ordinax_numerics
)
