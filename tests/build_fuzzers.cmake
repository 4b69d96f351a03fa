# Configures and builds the fuzz targets with clang in a folder of their own.
execute_process(
  COMMAND "${CMAKE_COMMAND}" -S "${SOURCE}" -B "${BINARY}" -G "${GENERATOR}"
          -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_COMPILER=${COMPILER}"
          "-DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER}" -DTOLVAR_FUZZ=ON -DTOLVAR_FUZZ_TESTS=OFF -DTOLVAR_TESTS=OFF
          -DTOLVAR_GUI=OFF -DTOLVAR_BENCHMARKS=OFF
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "configuring the fuzz targets failed")
endif()
set(targets "")
foreach(target IN LISTS TARGETS)
  list(APPEND targets fuzz_${target})
endforeach()
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${BINARY}" --target ${targets}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "building the fuzz targets failed")
endif()
