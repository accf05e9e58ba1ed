# Runs one scenario script through the simulator and compares what it prints.
#
# A scenario is an ordinary simulator script; the simulator skips its comment
# lines, and three kinds of them state what the run must produce:
#   #> TEXT        the next line expected on standard output
#   #! exit N      the expected exit status (default 0)
#   #! stderr TEXT the expected standard error, one line
#
# Usage: cmake -DSIM=path/to/vantorix-sim -DSCRIPT=path/to/x.sim -P run_scenario.cmake

file(READ "${SCRIPT}" content)
string(REPLACE "\r" "" content "${content}")
# Keep semicolons literal while the text is handled as a CMake list of lines.
string(REPLACE ";" "<semicolon>" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(expected_out "")
set(expected_err "")
set(expected_exit 0)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^[ \t]+" "" line "${line}")
  if(line MATCHES "^#> ?(.*)$")
    string(APPEND expected_out "${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "^#! exit ([0-9]+)$")
    set(expected_exit "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^#! stderr (.*)$")
    string(APPEND expected_err "${CMAKE_MATCH_1}\n")
  endif()
endforeach()
string(REPLACE "<semicolon>" ";" expected_out "${expected_out}")
string(REPLACE "<semicolon>" ";" expected_err "${expected_err}")

execute_process(COMMAND "${SIM}" "${SCRIPT}"
  WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
  OUTPUT_VARIABLE actual_out ERROR_VARIABLE actual_err RESULT_VARIABLE actual_exit)

set(failed FALSE)
if(NOT actual_exit STREQUAL expected_exit)
  message("exit status: expected ${expected_exit}, got ${actual_exit}")
  set(failed TRUE)
endif()
if(NOT actual_out STREQUAL expected_out)
  message("standard output differs.\n--- expected\n${expected_out}--- actual\n${actual_out}---")
  set(failed TRUE)
endif()
if(NOT actual_err STREQUAL expected_err)
  message("standard error differs.\n--- expected\n${expected_err}--- actual\n${actual_err}---")
  set(failed TRUE)
endif()
if(failed)
  message(FATAL_ERROR "scenario ${SCRIPT} failed")
endif()
