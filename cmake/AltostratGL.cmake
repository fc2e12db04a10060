# altostrat_gl: OpenGL and GLU for the programs and tests that draw.
# On Windows these are the system's opengl32 and glu32. Natively, drawing goes into Mesa's
# offscreen renderer (OSMesa), which exports the whole GL API itself; it is linked before GLU
# so that GLU's own GL calls land in the same, current, offscreen context.
# altostrat_gl_headers: only the headers, for code compiled once and linked either way.
# altostrat_glx (Linux): the system's libGL with GLX, GLU and Xlib, for the X11 program.
add_library(altostrat_gl INTERFACE)
add_library(altostrat_gl_headers INTERFACE)
if(WIN32)
  target_link_libraries(altostrat_gl INTERFACE opengl32 glu32)
else()
  find_library(OSMESA_LIBRARY NAMES OSMesa REQUIRED)
  find_library(GLU_LIBRARY NAMES GLU REQUIRED)
  find_path(OSMESA_INCLUDE_DIR GL/osmesa.h REQUIRED)
  target_include_directories(altostrat_gl INTERFACE ${OSMESA_INCLUDE_DIR})
  target_include_directories(altostrat_gl_headers INTERFACE ${OSMESA_INCLUDE_DIR})
  target_link_libraries(altostrat_gl INTERFACE ${OSMESA_LIBRARY} ${GLU_LIBRARY})

  set(OpenGL_GL_PREFERENCE GLVND)
  find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX)
  find_package(X11 REQUIRED)
  add_library(altostrat_glx INTERFACE)
  target_link_libraries(altostrat_glx INTERFACE OpenGL::OpenGL OpenGL::GLX ${GLU_LIBRARY}
                        X11::X11)
endif()
