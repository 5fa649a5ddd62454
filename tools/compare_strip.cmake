# Runs draw_shapes into OUT and fails unless OUT equals EXPECTED byte for byte.
execute_process(COMMAND ${TOOL} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "draw_shapes failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${EXPECTED} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${OUT} differs from ${EXPECTED}; regenerate it with draw_shapes")
endif()
