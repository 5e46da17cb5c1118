# Calculation reports: filling arbitrary template texts.
target_compile_options(ordinax_reports PRIVATE -fsanitize=fuzzer-no-link,${ORDINAX_FUZZ_SANITIZERS} -fno-omit-frame-pointer)
ordinax_fuzz(fuzz_report_template
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/report_template_fuzz.cpp
  LIBS ordinax_reports
)
