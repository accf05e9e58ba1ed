#include "app/web/web_shell.h"

#include <cstddef>

#include "app/web/page_imports.h"

namespace vantorix::web {

namespace {

std::uint32_t addressOf(const void* p) {
  // The module's addresses are 32 bits wide.
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}

// Keys whose default action in a browser would take them from the game:
// scrolling the page, moving the focus or pressing the focused element,
// closing a dialog, or opening the browser's own menu. A key with Alt held
// is the system's, here the browser's, as on Windows.
bool browserActsOn(const shell::KeyInput& key) {
  static constexpr int kActing[] = {
      kVkSpace,
      kVkLeft,
      kVkUp,
      kVkRight,
      kVkDown,
      shell::kVkTab,
      shell::kVkReturn,
      shell::kVkEscape,
      shell::kVkAlt,
      shell::kVkF10,
      shell::virtualKeyOfDomCode("Backspace"),
      shell::virtualKeyOfDomCode("PageUp"),
      shell::virtualKeyOfDomCode("PageDown"),
      shell::virtualKeyOfDomCode("Home"),
      shell::virtualKeyOfDomCode("End"),
  };
  if (key.alt && key.virtualKey != shell::kVkAlt) return false;
  for (const int code : kActing) {
    if (code == key.virtualKey) return true;
  }
  return false;
}

}  // namespace

int WebShell::virtualKeyOfCode(int length) const {
  if (length < 0 || length > kKeyCodeRoom) return 0;
  return shell::virtualKeyOfDomCode(
      std::string_view(keyCode_.data(), static_cast<std::size_t>(length)));
}

bool WebShell::takeKey(int length, bool repeat, bool shift, bool alt) {
  key_ = {virtualKeyOfCode(length), repeat, shift, alt};
  // Until the session ends every key it gets is taken by someone: the
  // newest box, else the menu, else the game.
  return !session_.ended() && key_.virtualKey != 0 && browserActsOn(key_);
}

std::string_view WebShell::recording() {
  const std::string_view text = recording_.text();
  const Recorder* recorder = session_.recorder();
  const RecordingLine held = recorder != nullptr ? recorder->heldLine() : RecordingLine{};
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
  // Only where the last paints put anything is there anything to erase.
  for (const Area& area : tracker_.inked().areas())
    canvas_.clear(area);
  ChangeTracker::Tracking tracking = tracker_.beginPaint(canvas_);
  session_.paint(tracking);
  session_.painted();
  changed_ = tracker_.changed();
  frame_.copyFrom(canvas_, changed_);
  // The page puts the changed areas on its canvas as soon as this returns.
  tracker_.shown();
  return frame_;
}

std::uint32_t WebShell::boxSerial(int depth) const {
  if (depth < 0 || depth >= session_.openBoxes()) return 0;
  return boxSerials_[static_cast<std::size_t>(depth)];
}

std::uint64_t WebShell::now() {
  // performance.now() never goes back and starts near 0.
  const double milliseconds = pageNow();
  return milliseconds > 0 ? static_cast<std::uint64_t>(milliseconds * 1000.0) : 0;
}

void WebShell::waitForAnswer() {
  // The session waits only for a box it has just opened.
  const auto depth = static_cast<std::size_t>(session_.openBoxes() - 1);
  boxSerials_[depth] = ++boxesOpened_;
  WaitRecord& record = waits_[depth];
  record.next = addressOf(record.room.data());
  record.end = addressOf(record.room.data() + record.room.size());
  // The page runs this call again once the box has its answer; rewinding
  // leaves the record as it was before the wait.
  while (!session_.newestBoxDone())
    pageWaitForAnswer(static_cast<std::int32_t>(addressOf(&record)));
}

void WebShell::ticked(std::uint64_t lateness) {
  ++ticks_;
  latestLateness_ = lateness;
}

}  // namespace vantorix::web
