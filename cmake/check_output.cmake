# Runs PROGRAM (through EMULATOR, when given) and compares what it prints
# with the file EXPECTED; on a difference, shows both. A Windows program ends
# its lines with CR LF: they compare as LF.
execute_process(COMMAND ${EMULATOR} ${PROGRAM} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} failed (${rc}):\n${out}")
endif()
string(REPLACE "\r\n" "\n" out "${out}")
file(READ ${EXPECTED} expected)
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "output differs from ${EXPECTED}\n--- printed:\n${out}--- expected:\n${expected}")
endif()
message("${out}")
