# The runtime with no package on its file must say so and fail.
execute_process(COMMAND ${LUMAXIS} RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(status EQUAL 0)
  message(FATAL_ERROR "the runtime without a package exited with success")
endif()
if(NOT errors MATCHES "FATAL: The EXE file is corrupt")
  message(FATAL_ERROR "unexpected standard error: ${errors}")
endif()
