cmake_minimum_required(VERSION 3.25)
# Runs one Logo script through the console and compares what it printed.
get_filename_component(base ${SCRIPT} NAME_WE)
get_filename_component(folder ${SCRIPT} DIRECTORY)
# A script's dialogs take their answers from NAME.answers when it is there.
set(answers)
if(EXISTS ${folder}/${base}.answers)
  set(answers --answers ${folder}/${base}.answers)
endif()
execute_process(COMMAND ${LUMAXIS} --console ${SCRIPT} --seed 1 --headless ${answers}
                INPUT_FILE /dev/null
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lumaxis ended with status ${status}\n${err}")
endif()
foreach(stream out err)
  set(expected_file ${folder}/${base}.${stream})
  if(EXISTS ${expected_file})
    file(READ ${expected_file} expected)
    if(NOT "${${stream}}" STREQUAL "${expected}")
      message(FATAL_ERROR "standard ${stream}put differs from ${base}.${stream}\n"
                          "--- expected ---\n${expected}--- got ---\n${${stream}}")
    endif()
  elseif(stream STREQUAL "err" AND NOT "${err}" STREQUAL "")
    message(FATAL_ERROR "unexpected errors:\n${err}")
  endif()
endforeach()
