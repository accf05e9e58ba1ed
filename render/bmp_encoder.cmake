# The Windows bitmap encoder (bmp_encoder.cpp), one library for the game's
# build and for the sprite generator, which is also built as a project of its
# own: whichever reads this first defines it. Needs vantorix_options.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/include_roots.cmake)
if(NOT TARGET vantorix_bmp_encoder)
  add_library(vantorix_bmp_encoder STATIC ${CMAKE_CURRENT_LIST_DIR}/bmp_encoder.cpp)
  vantorix_include_root(vantorix_bmp_encoder render)
  target_link_libraries(vantorix_bmp_encoder PUBLIC vantorix_options)
endif()
