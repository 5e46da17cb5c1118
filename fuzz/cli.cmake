# The command-line tool's reader of diagram dumps (`build`), checked while it reads.
if(TARGET ordinax_cli_json)
  ordinax_fuzz(fuzz_json_input SOURCES ${CMAKE_CURRENT_LIST_DIR}/json_input_fuzz.cpp LIBS ordinax_cli_json)
endif()
