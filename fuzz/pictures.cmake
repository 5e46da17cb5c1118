# Fill and logo pictures: the decoding path of the Qt adapter (built when the
# fuzz configuration has Qt).
if(TARGET ordinax_qt)
  ordinax_fuzz(fuzz_picture SOURCES ${CMAKE_CURRENT_LIST_DIR}/picture_fuzz.cpp LIBS ordinax_qt Qt6::Gui)
endif()
