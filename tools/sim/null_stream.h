// An output stream that swallows everything: for running scripts whose
// printed output nobody reads (the fuzzer, the benchmarks).
#pragma once

#include <ostream>
#include <streambuf>

namespace vantorix::sim {

class NullStream final : public std::ostream {
 public:
  NullStream() : std::ostream(&buffer_) {}

 private:
  class NullBuffer final : public std::streambuf {
   protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
  };
  NullBuffer buffer_;
};

}  // namespace vantorix::sim
