# Regenerates the sample catalogue with its generator into OUT_DIR and requires
# every file to equal the committed one byte for byte, so data/sample never
# drifts from tools/gen_sample.py.
# cmake -DPYTHON=... -DGENERATOR=... -DSAMPLE_DIR=... -DOUT_DIR=... -P sample_regenerates.cmake
file(REMOVE_RECURSE "${OUT_DIR}")
file(MAKE_DIRECTORY "${OUT_DIR}")
execute_process(COMMAND "${PYTHON}" "${GENERATOR}" --out "${OUT_DIR}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the generator failed: ${rc}")
endif()
file(GLOB committed RELATIVE "${SAMPLE_DIR}" "${SAMPLE_DIR}/*")
file(GLOB written RELATIVE "${OUT_DIR}" "${OUT_DIR}/*")
list(SORT committed)
list(SORT written)
if(NOT committed STREQUAL written)
  message(FATAL_ERROR "files differ: committed ${committed}, generated ${written}")
endif()
foreach(name IN LISTS committed)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${SAMPLE_DIR}/${name}" "${OUT_DIR}/${name}"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${name} differs from what the generator writes")
  endif()
endforeach()
message(STATUS "all ${committed} regenerate byte for byte")
