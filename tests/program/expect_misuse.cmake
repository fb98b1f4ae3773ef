# Runs PROGRAM with ARGUMENTS (a list) and expects a misused command line: status 2, nothing on
# standard output, the problem and the usage on standard error.
execute_process(COMMAND ${PROGRAM} ${ARGUMENTS}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "exit status ${status}, expected 2")
endif()
if(NOT output STREQUAL "")
  message(FATAL_ERROR "standard output not empty: ${output}")
endif()
if(NOT errors MATCHES "^tessary: .*Usage: tessary \\[PICTURE\\]")
  message(FATAL_ERROR "no problem and usage on standard error: ${errors}")
endif()
