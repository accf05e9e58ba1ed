// A fault in a picture or font source, reported as "file:line: message" so the
// artist can jump straight to it.
#pragma once

#include <stdexcept>
#include <string>

namespace vantorix::spritegen {

class SourceError : public std::runtime_error {
 public:
  // line 0 means the fault concerns the file as a whole.
  SourceError(const std::string& file, int line, const std::string& message)
      : std::runtime_error(describe(file, line, message)) {}

 private:
  // Appended piece by piece: GCC 12 misreports "literal" + string at -O2.
  static std::string describe(const std::string& file, int line, const std::string& message) {
    std::string text = file;
    if (line > 0) text.append(":").append(std::to_string(line));
    text.append(": ").append(message);
    return text;
  }
};

}  // namespace vantorix::spritegen
