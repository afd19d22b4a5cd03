# Regenerates the data files into OUT_DIR and requires each of them to equal,
# byte for byte, its committed copy under DATA_DIR.
# Usage: cmake -DGENERATOR=... -DDATA_DIR=... -DOUT_DIR=... -P CompareWithData.cmake
file(REMOVE_RECURSE ${OUT_DIR})
execute_process(COMMAND ${GENERATOR} ${OUT_DIR} RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "kavor-assetgen failed (${status})")
endif()

file(GLOB_RECURSE generated RELATIVE ${OUT_DIR} ${OUT_DIR}/*)
list(LENGTH generated count)
if(count EQUAL 0)
  message(FATAL_ERROR "kavor-assetgen wrote no files")
endif()

set(mismatches)
foreach(file ${generated})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT_DIR}/${file} ${DATA_DIR}/${file}
                  RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
  if(NOT differs EQUAL 0)
    list(APPEND mismatches ${file})
  endif()
endforeach()
if(mismatches)
  message(FATAL_ERROR "Data files differ from the generator's output: ${mismatches}\n"
                      "Run scripts/generate-assets.sh and commit the result.")
endif()
message(STATUS "${count} generated files match Data/")
