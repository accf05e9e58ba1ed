# Checks that a committed script is what its planner writes today, so that it
# can always be planned again when a rule changes.
#
# Usage: cmake -DPLANNER=path/to/planner -DSCRIPT=committed.sim -DOUTPUT=fresh.sim
#              -P planned_script.cmake

execute_process(COMMAND "${PLANNER}" "${OUTPUT}" RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the planner failed: ${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUTPUT}" "${SCRIPT}"
  RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${SCRIPT} is not what the planner writes now (${OUTPUT}); "
                      "`make plan-won-game` writes it anew")
endif()
