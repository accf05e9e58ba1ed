// Debian's wasm32 C++ library has no exception runtime, yet its headers (and
// the draw list's compile-time checks) are built with exceptions on. Nothing
// the page runs throws; should a library call ever try, the module stops
// right there and the page reports the fault.
#include <cstddef>
#include <typeinfo>

extern "C" {

[[noreturn]] void* __cxa_allocate_exception(std::size_t) {
  __builtin_trap();
}

[[noreturn]] void __cxa_throw(void*, std::type_info*, void (*)(void*)) {
  __builtin_trap();
}

}  // extern "C"
