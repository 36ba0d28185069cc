# Replays INPUT with REPLAY and fails unless the output equals EXPECTED; a
# difference is shown as a unified diff, the replay's output kept in ACTUAL.
execute_process(COMMAND ${REPLAY} INPUT_FILE ${INPUT} OUTPUT_VARIABLE actual
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "replay of ${INPUT} exited with ${status}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${ACTUAL} "${actual}")
  # Printed as diff writes it: a message would indent and break its lines.
  execute_process(COMMAND diff -u --label ${EXPECTED} --label ${ACTUAL} ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "replay of ${INPUT} differs from ${EXPECTED}, as shown above")
endif()
