# The bmp listing: the pixels' fingerprint or the user's message, the exit codes, and a PPM
# written top row first.
function(run_tool expected_rc expected_out)
  execute_process(COMMAND ${TOOL} bmp ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL expected_rc OR NOT out STREQUAL expected_out)
    message(FATAL_ERROR "bmp ${ARGN}: exit ${rc}, output '${out}'\n"
                        "expected exit ${expected_rc}, output '${expected_out}'")
  endif()
endfunction()

run_tool(0 "ok 127 64 d18a766b0e02b887abfe57dfe5f2054891456122b991180d9ea8b1e672355ee1\n"
         ${SUITE}/g/rgb24.bmp)
run_tool(1 "error: Unknown DIB file format.\n" ${SUITE}/b/badheadersize.bmp)
run_tool(1 "error: Failed to open DIB file ${WORK}/missing.bmp.\n" ${WORK}/missing.bmp)
run_tool(2 "" ${SUITE}/g/rgb24.bmp --pgm ${WORK}/x.ppm)

set(ppm ${WORK}/rgb24.ppm)
file(REMOVE ${ppm})
run_tool(0 "ok 127 64 d18a766b0e02b887abfe57dfe5f2054891456122b991180d9ea8b1e672355ee1\n"
         ${SUITE}/g/rgb24.bmp --ppm ${ppm})
file(SIZE ${ppm} size)
file(READ ${ppm} header LIMIT 14)
# The picture's top-left pixel is red and its bottom-left one black.
file(READ ${ppm} top_left OFFSET 14 LIMIT 3 HEX)
file(READ ${ppm} bottom_left OFFSET 24017 LIMIT 3 HEX)
if(NOT size EQUAL 24398 OR NOT header STREQUAL "P6\n127 64\n255\n" OR
   NOT top_left STREQUAL "ff0000" OR NOT bottom_left STREQUAL "000000")
  message(FATAL_ERROR "unexpected PPM: ${size} bytes, top-left ${top_left}, "
                      "bottom-left ${bottom_left}, header '${header}'")
endif()
