# The Windows bitmap encoder (bmp_encoder.cpp), one library for the game's
# build and for the sprite generator, which is also built as a project of its
# own: whichever reads this first defines it. Needs vantorix_options.
if(NOT TARGET vantorix_bmp_encoder)
  add_library(vantorix_bmp_encoder STATIC ${CMAKE_CURRENT_LIST_DIR}/bmp_encoder.cpp)
  target_include_directories(vantorix_bmp_encoder PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
  target_link_libraries(vantorix_bmp_encoder PUBLIC vantorix_options)
endif()
