# Cross-build of the Windows program on a Linux host with MinGW-w64:
#   cmake --preset mingw && cmake --build --preset mingw
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANTORIX_MINGW_TRIPLE x86_64-w64-mingw32)

# The posix-thread variant carries the whole C++ thread library; the plain
# names are whatever variant the host made the default.
find_program(CMAKE_C_COMPILER NAMES ${VANTORIX_MINGW_TRIPLE}-gcc-posix ${VANTORIX_MINGW_TRIPLE}-gcc
             REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${VANTORIX_MINGW_TRIPLE}-g++-posix ${VANTORIX_MINGW_TRIPLE}-g++
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${VANTORIX_MINGW_TRIPLE}-windres REQUIRED)

# Headers and libraries come from the MinGW-w64 tree only; programs (the
# sprite generator among them) run on the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VANTORIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
