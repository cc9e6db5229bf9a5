# A language whose dictionary lacks a key of English fails the build, naming
# the key, its section and where English gives it; once the key is there the
# language is encoded. Keys of sections English does not have are free.
file(REMOVE_RECURSE ${WORK})
file(WRITE ${WORK}/english/10-words.txt "[dict]\nforward=forward fd\nback=back\n[other]\nto=to\n")
file(WRITE ${WORK}/english/20-more.txt "[dict]\nleft=left\n")
file(WRITE ${WORK}/other/10-words.txt "[dict]\nforward=vorwaerts\nback=zurueck\n[other]\nto=lerne\n[extra]\nx=y\n")
file(WRITE ${WORK}/block-en.txt "[errors]\nerDiv0=#p can't divide by zero\n")
file(WRITE ${WORK}/block-other.txt "[errors]\n")

function(encode result_var errors_var)
  execute_process(
    COMMAND ${ENCODER} ${WORK}/out.cpp
            --resource LDI ENGLISH dictionary ${WORK}/english/10-words.txt ${WORK}/english/20-more.txt
            --resource LDI OTHER dictionary ${ARGN}
            --resource LAF ENGLISH block ${WORK}/block-en.txt
    RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
  set(${result_var} ${status} PARENT_SCOPE)
  set(${errors_var} "${errors}" PARENT_SCOPE)
endfunction()

encode(status errors ${WORK}/other/10-words.txt)
if(status EQUAL 0)
  message(FATAL_ERROR "a dictionary without the key left was encoded")
endif()
if(NOT errors MATCHES "LDI/OTHER: key \"left\" of section \\[dict\\] is missing \\(English gives it at [^\n]*english/20-more.txt:2\\)")
  message(FATAL_ERROR "unexpected message: ${errors}")
endif()

file(WRITE ${WORK}/other/20-more.txt "[dict]\nleft=links\n")
encode(status errors ${WORK}/other/10-words.txt ${WORK}/other/20-more.txt)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "a complete dictionary was refused: ${errors}")
endif()

# Interface blocks are measured against the English block the same way.
execute_process(
  COMMAND ${ENCODER} ${WORK}/out.cpp --resource LAF ENGLISH block ${WORK}/block-en.txt
          --resource LAF OTHER block ${WORK}/block-other.txt
  RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(status EQUAL 0 OR NOT errors MATCHES "LAF/OTHER: key \"erdiv0\" of section \\[errors\\] is missing")
  message(FATAL_ERROR "an interface block without erDiv0 was not refused as it should be: ${errors}")
endif()
