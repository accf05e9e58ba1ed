// The page's recording of its session, kept in the module's memory as text
// that the page can save as a file at any moment.
#pragma once

#include <string>
#include <string_view>

#include "script/recorder.h"

namespace vantorix::web {

class MemoryRecording final : public RecordingSink {
 public:
  MemoryRecording();

  bool addLine(std::string_view line) override;

  std::string_view text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace vantorix::web
