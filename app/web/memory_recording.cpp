#include "app/web/memory_recording.h"

namespace vantorix::web {

namespace {

// An hour of play in most sessions; beyond it the text grows as it must.
constexpr std::size_t kRoomAtStart = 1 << 20;

}  // namespace

MemoryRecording::MemoryRecording() {
  text_.reserve(kRoomAtStart);
}

bool MemoryRecording::addLine(std::string_view line) {
  text_.append(line);
  text_.push_back('\n');
  return true;
}

}  // namespace vantorix::web
