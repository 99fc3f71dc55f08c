# Runs PROGRAM and compares what it prints with the file EXPECTED; on a
# difference, shows both.
execute_process(COMMAND ${PROGRAM} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} failed (${rc}):\n${out}")
endif()
file(READ ${EXPECTED} expected)
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "output differs from ${EXPECTED}\n--- printed:\n${out}--- expected:\n${expected}")
endif()
message("${out}")
