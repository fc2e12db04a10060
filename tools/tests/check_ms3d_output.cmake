# The model listing: counts, one line per mesh and per material, then the bounds; "error" and
# exit code 1 for a file that is refused.
function(expect_listing file expected_rc expected)
  execute_process(COMMAND ${TOOL} ms3d ${DATA}/${file} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "altostrat-tool ms3d ${file} exited with ${rc}, expected ${expected_rc}")
  endif()
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "altostrat-tool ms3d ${file} printed:\n${out}\nexpected:\n${expected}")
  endif()
endfunction()

expect_listing(two_meshes.ms3d 0 "ok
vertices 8
triangles 4
meshes 2
materials 2
mesh 0 material 0 triangles 2
mesh 1 material -1 triangles 2
material 0 texture wing.bmp
material 1 texture -
bounds -1.5 -0.25 -0.5 3 2 4
")
expect_listing(empty.ms3d 0 "ok
vertices 0
triangles 0
meshes 0
materials 0
bounds 0 0 0 0 0 0
")
expect_listing(truncated.ms3d 1 "error\n")
expect_listing(no_such_file.ms3d 1 "error\n")
