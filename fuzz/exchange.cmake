# Data exchange: the text import, the clipboard tables and the procedure files.
ordinax_fuzz(fuzz_extract_data SOURCES ${CMAKE_CURRENT_LIST_DIR}/extract_data_fuzz.cpp LIBS ordinax_exchange)
ordinax_fuzz(fuzz_procedure SOURCES ${CMAKE_CURRENT_LIST_DIR}/procedure_fuzz.cpp LIBS ordinax_exchange)
ordinax_fuzz(fuzz_clipboard_table SOURCES ${CMAKE_CURRENT_LIST_DIR}/clipboard_table_fuzz.cpp LIBS ordinax_exchange)
# The bounded readers: whole files within limits, tables checked while read,
# the import reading a file line by line.
ordinax_fuzz(fuzz_bounded_text SOURCES ${CMAKE_CURRENT_LIST_DIR}/bounded_text_fuzz.cpp LIBS ordinax_exchange)
# The text import read on several threads, against the import read line by line.
ordinax_fuzz(fuzz_parallel_import SOURCES ${CMAKE_CURRENT_LIST_DIR}/parallel_import_fuzz.cpp LIBS ordinax_exchange)
