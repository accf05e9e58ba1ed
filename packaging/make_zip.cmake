# Writes a zip of the named files, all at its top level, dated the day of
# the release so that the same files give the same zip.
#   cmake -DZIP=OUT.zip -DDATE=YYYY-MM-DD "-DSOURCES=A;B" "-DNAMES=NAME_A;NAME_B"
#         -P make_zip.cmake
# The zip is written under another name first and renamed when complete.
list(LENGTH SOURCES count)
list(LENGTH NAMES name_count)
if(NOT ZIP OR NOT DATE OR count EQUAL 0 OR NOT count EQUAL name_count)
  message(FATAL_ERROR "make_zip: wants ZIP, DATE, and as many NAMES as SOURCES")
endif()
set(stage ${ZIP}.files)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
foreach(source name IN ZIP_LISTS SOURCES NAMES)
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "make_zip: no file ${source} to store as ${name}")
  endif()
  file(COPY_FILE ${source} ${stage}/${name} ONLY_IF_DIFFERENT)
endforeach()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP}.partial --format=zip "--mtime=${DATE} 00:00:00 UTC" -- ${NAMES}
  WORKING_DIRECTORY ${stage}
  COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${ZIP}.partial ${ZIP})
file(REMOVE_RECURSE ${stage})
