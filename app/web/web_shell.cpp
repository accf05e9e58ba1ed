#include "app/web/web_shell.h"

#include <cstddef>

namespace vantorix::web {

namespace {

std::uint32_t addressOf(const void* p) {
  // The module's addresses are 32 bits wide.
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}

}  // namespace

std::string_view WebShell::recording() {
  const std::string_view text = recording_.text();
  const RecordingLine held = game_.recorder()->heldLine();
  const std::string_view run = held.view();
  if (run.empty()) return text;
  // Made again only when the recording has grown: the page asks for its
  // address and its length one after the other.
  const bool current = withHeldTicks_.size() == text.size() + run.size() + 1 &&
                       std::string_view(withHeldTicks_).substr(text.size(), run.size()) == run;
  if (!current) {
    withHeldTicks_.assign(text);
    withHeldTicks_ += run;
    withHeldTicks_ += '\n';
  }
  return withHeldTicks_;
}

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
