#include "app/web/web_shell.h"

#include <cstddef>

namespace vantorix::web {

namespace {

std::uint32_t addressOf(const void* p) {
  // The module's addresses are 32 bits wide.
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}

}  // namespace

const RgbaFrame& WebShell::paint() {
  canvas_.clear();
  game_.paint(canvas_);
  frame_.copyFrom(canvas_);
  return frame_;
}

WaitRecord* WebShell::waitRecord(int depth) {
  if (depth < 0 || depth >= kMaxWaitingBoxes) return nullptr;
  WaitRecord& record = waits_[static_cast<std::size_t>(depth)];
  record.next = addressOf(record.room.data());
  record.end = addressOf(record.room.data() + record.room.size());
  return &record;
}

}  // namespace vantorix::web
