# WebAssembly build of the web page (and of the simulator's reader for node)
# with Debian's clang and lld and its wasm32-wasi C and C++ libraries:
#   cmake --preset web && cmake --build --preset web
# The page's module imports nothing of WASI; only the test harness does.
set(CMAKE_SYSTEM_NAME Generic)  # this CMake knows no WASI platform of its own
set(CMAKE_SYSTEM_PROCESSOR wasm32)

find_program(CMAKE_CXX_COMPILER NAMES clang++-14 clang++ REQUIRED)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_EXECUTABLE_SUFFIX_CXX .wasm)

# Headers and libraries are the target's; programs (the sprite generator,
# wasm-opt, node) run on the host.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
