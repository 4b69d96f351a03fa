cmake_minimum_required(VERSION 3.25)

# Checks that a current edition's table in data/ is the reference file it was taken from:
#   cmake -DREFERENCE=../shared/reference/gbt4754_2017.tsv -DSTORED=data/editions/gbt4754_2017.tsv -P this file
# The reference files are not part of the repository; where they are absent the check is skipped.
if(NOT EXISTS "${REFERENCE}")
  message("skipped: ${REFERENCE} is not present")
  return()
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${REFERENCE}" "${STORED}"
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${STORED} differs from ${REFERENCE}; copy the reference file again")
endif()
