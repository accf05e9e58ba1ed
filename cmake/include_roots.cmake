# Each library's include root: a folder in the build tree holding a link to
# the library's own source folder and nothing else. "game/tick.h" resolves
# for whatever links vantorix_game, and a file cannot include a layer its
# target does not link; tests/include_layers.py checks the finer order within
# a layer's links (app/ holds the shells' folders too). Where the host cannot
# make links, the source tree's root stands in, and only that test guards.
get_filename_component(VANTORIX_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# vantorix_include_root(TARGET FOLDER...): FOLDER relative to the source root.
function(vantorix_include_root target)
  get_target_property(type ${target} TYPE)
  set(scope PUBLIC)
  if(type STREQUAL EXECUTABLE)
    set(scope PRIVATE)
  endif()
  foreach(folder IN LISTS ARGN)
    string(REPLACE "/" "_" name ${folder})
    set(root ${CMAKE_BINARY_DIR}/include_roots/${name})
    set(link ${root}/${folder})
    if(NOT IS_SYMLINK ${link})
      get_filename_component(parent ${link} DIRECTORY)
      file(MAKE_DIRECTORY ${parent})
      file(CREATE_LINK ${VANTORIX_SOURCE_ROOT}/${folder} ${link} SYMBOLIC RESULT failed)
      if(failed)
        message(STATUS "No include root for ${folder} (${failed}): using the whole source tree")
        set(root ${VANTORIX_SOURCE_ROOT})
      endif()
    endif()
    target_include_directories(${target} ${scope} ${root})
  endforeach()
endfunction()
