# altostrat_gl: OpenGL and GLU for the programs and tests that draw.
# On Windows these are the system's opengl32 and glu32. Natively, drawing goes into Mesa's
# offscreen renderer (OSMesa), which exports the whole GL API itself; it is linked before GLU
# so that GLU's own GL calls land in the same, current, offscreen context.
add_library(altostrat_gl INTERFACE)
if(WIN32)
  target_link_libraries(altostrat_gl INTERFACE opengl32 glu32)
else()
  find_library(OSMESA_LIBRARY NAMES OSMesa REQUIRED)
  find_library(GLU_LIBRARY NAMES GLU REQUIRED)
  find_path(OSMESA_INCLUDE_DIR GL/osmesa.h REQUIRED)
  target_include_directories(altostrat_gl INTERFACE ${OSMESA_INCLUDE_DIR})
  target_link_libraries(altostrat_gl INTERFACE ${OSMESA_LIBRARY} ${GLU_LIBRARY})
endif()
