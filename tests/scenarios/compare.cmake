# Replays INPUT with REPLAY and fails unless the output equals EXPECTED.
execute_process(COMMAND ${REPLAY} INPUT_FILE ${INPUT} OUTPUT_VARIABLE actual
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "replay of ${INPUT} exited with ${status}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "replay of ${INPUT} differs from ${EXPECTED}:\n${actual}")
endif()
