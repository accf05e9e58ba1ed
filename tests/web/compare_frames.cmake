# Plays one scenario script in the native simulator and in the one built for
# WebAssembly, with a frame after every tick or run line, and requires the
# same output and the same frames, byte for byte.
#
# Usage: cmake -DNATIVE_SIM=... -DWEB_SIM=... -DSCRIPT=x.sim -DWORK=dir -P compare_frames.cmake

file(READ "${SCRIPT}" content)
string(REPLACE "\r" "" content "${content}")
string(REPLACE ";" "<semicolon>" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(framed "")
set(frames 0)
foreach(line IN LISTS lines)
  string(REPLACE "<semicolon>" ";" line "${line}")
  string(APPEND framed "${line}\n")
  if(line MATCHES "^[ \t]*(tick|run)([ \t]|$)")
    math(EXPR frames "${frames} + 1")
    string(APPEND framed "frame frame${frames}.bmp\n")
  endif()
endforeach()
if(frames EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} has no tick or run line to take a frame after")
endif()

file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/framed.sim" "${framed}")
foreach(sim IN ITEMS native web)
  file(MAKE_DIRECTORY "${WORK}/${sim}")
  if(sim STREQUAL native)
    set(program "${NATIVE_SIM}")
  else()
    set(program "${WEB_SIM}")
  endif()
  execute_process(COMMAND "${program}" "${WORK}/framed.sim"
    WORKING_DIRECTORY "${WORK}/${sim}"
    OUTPUT_VARIABLE ${sim}_out ERROR_VARIABLE ${sim}_err RESULT_VARIABLE ${sim}_exit)
endforeach()

if(NOT native_exit STREQUAL web_exit OR NOT native_out STREQUAL web_out OR
   NOT native_err STREQUAL web_err)
  message(FATAL_ERROR "the runs differ: exit ${native_exit} and ${web_exit}\n"
    "--- native\n${native_out}${native_err}--- web\n${web_out}${web_err}---")
endif()
foreach(n RANGE 1 ${frames})
  file(SHA256 "${WORK}/native/frame${n}.bmp" native_frame)
  file(SHA256 "${WORK}/web/frame${n}.bmp" web_frame)
  if(NOT native_frame STREQUAL web_frame)
    message(FATAL_ERROR "frame ${n} differs (${WORK}/native and ${WORK}/web keep both)")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
message("${frames} frames alike")
