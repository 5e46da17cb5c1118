# Data exchange: the text import, the clipboard tables and the procedure files.
ordinax_fuzz(fuzz_extract_data SOURCES ${CMAKE_CURRENT_LIST_DIR}/extract_data_fuzz.cpp LIBS ordinax_exchange)
ordinax_fuzz(fuzz_procedure SOURCES ${CMAKE_CURRENT_LIST_DIR}/procedure_fuzz.cpp LIBS ordinax_exchange)
ordinax_fuzz(fuzz_clipboard_table SOURCES ${CMAKE_CURRENT_LIST_DIR}/clipboard_table_fuzz.cpp LIBS ordinax_exchange)
