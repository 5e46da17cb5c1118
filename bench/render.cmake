# Curve lines of a million points through the line layer.
ordinax_bench(bench_render
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/render_bench.cpp
  LIBS ordinax_render
)
# Soft shadows of a full-page plot, on a raster and as images.
ordinax_bench(bench_shadows
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/shadow_bench.cpp
  LIBS ordinax_render
)

# Whole drawing passes onto a 1600 × 1200 picture through the QPainter device.
ordinax_bench(bench_render_diagram
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/render_diagram_bench.cpp
  LIBS ordinax_render ordinax_qt
)
