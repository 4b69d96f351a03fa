# Runs one fuzz target for a few seconds over its corpus; any finding fails the test and leaves
# the input that shows it in WORK.
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND "${FUZZER}" -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=4096
          -artifact_prefix=${WORK}/ "${WORK}" "${CORPUS}"
  RESULT_VARIABLE status
  ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a fault (exit ${status}):\n${log}")
endif()
string(REGEX MATCH "Done [0-9]+ runs[^\n]*" done "${log}")
message(STATUS "${done}")
