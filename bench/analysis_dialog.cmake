# The smoothing dialog on 1 000 000 points: a fit or a series with its report,
# and the comparison of all models as its worker thread runs it.
ordinax_bench(bench_analysis_dialog
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/analysis_dialog_bench.cpp
  LIBS ordinax_reports ordinax_numerics
)
target_compile_definitions(bench_analysis_dialog PRIVATE ORDINAX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")

# The same fit from the dialog itself, its preview redrawn by the view.
if(TARGET ordinax_shell)
  ordinax_bench(bench_smoothing_dialog
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/smoothing_dialog_bench.cpp
    LIBS ordinax_shell
  )
  target_compile_definitions(bench_smoothing_dialog PRIVATE ORDINAX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endif()
