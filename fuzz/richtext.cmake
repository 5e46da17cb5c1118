# Label markup: the token reader, the code readers and the layout on the recording device.
foreach(lib ordinax_richtext ordinax_render)
  target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,${ORDINAX_FUZZ_SANITIZERS} -fno-omit-frame-pointer)
endforeach()
ordinax_fuzz(fuzz_markup SOURCES ${CMAKE_CURRENT_LIST_DIR}/markup_fuzz.cpp LIBS ordinax_render ordinax_richtext)
ordinax_fuzz(fuzz_rtf SOURCES ${CMAKE_CURRENT_LIST_DIR}/rtf_fuzz.cpp LIBS ordinax_richtext)
ordinax_fuzz(fuzz_label_runs SOURCES ${CMAKE_CURRENT_LIST_DIR}/label_runs_fuzz.cpp LIBS ordinax_richtext)
