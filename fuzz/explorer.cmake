# The explorer: the mount table the drives are read from.
ordinax_fuzz(fuzz_mount_table SOURCES ${CMAKE_CURRENT_LIST_DIR}/mount_table_fuzz.cpp LIBS ordinax_explorer)
