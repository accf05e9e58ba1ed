#include "app/sdl/loop.h"

#include <cstdio>
#include <ctime>

#include "app/sdl/box_layout.h"
#include "app/sdl/menu_layout.h"

namespace vantorix::sdl {

namespace {

double processorSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

shell::PointerAction actionOf(WindowEvent::Kind kind) {
  switch (kind) {
    case WindowEvent::Kind::kPointerDown:
      return shell::PointerAction::kDown;
    case WindowEvent::Kind::kPointerUp:
      return shell::PointerAction::kUp;
    default:
      return shell::PointerAction::kMove;
  }
}

}  // namespace

Loop::Loop(EventSource& events, Screen& screen, RecordingSink* recording, ScriptPlayer* replay,
           int reportSeconds)
    : events_(events),
      screen_(screen),
      report_(shell::kMicrosecondsPerSecond, reportSeconds),
      session_(*this, recording, replay) {}

int Loop::run() {
  while (!session_.ended() && !failed_)
    turn();
  return failed_ ? -1 : session_.exitCode();
}

void Loop::waitForAnswer() {
  while (!session_.newestBoxDone() && !failed_)
    turn();
}

void Loop::turn() {
  const int wait = session_.needsPaint() ? 0 : session_.millisecondsToWait();
  WindowEvent event;
  switch (events_.wait(wait, event)) {
    case EventSource::Waited::kEvent:
      handle(event);
      // The rest of what came with it.
      while (!interrupted() && events_.wait(0, event) == EventSource::Waited::kEvent)
        handle(event);
      break;
    case EventSource::Waited::kNothing:
      // The wait found nothing, so there is nothing more to look for: each
      // look at the window's events costs a call to the display server.
      break;
    case EventSource::Waited::kFailed:
      failed_ = true;
      return;
  }
  if (interrupted()) return;
  session_.advance();
  if (session_.needsPaint() && !session_.ended()) paint();
}

bool Loop::interrupted() const {
  return session_.ended() || (session_.openBoxes() > 0 && session_.newestBoxDone());
}

void Loop::handle(const WindowEvent& event) {
  switch (event.kind) {
    case WindowEvent::Kind::kKeyDown:
      keyDown(event.key);
      break;
    case WindowEvent::Kind::kKeyUp:
      session_.keyUp(event.key);
      break;
    case WindowEvent::Kind::kPointerDown:
    case WindowEvent::Kind::kPointerMove:
    case WindowEvent::Kind::kPointerUp:
      pointer(event);
      break;
    case WindowEvent::Kind::kClose:
      closeWindow();
      break;
    case WindowEvent::Kind::kFocusLost:
      session_.focusLost();
      break;
    case WindowEvent::Kind::kExposed:
      screen_.exposed();
      session_.invalidate();
      break;
    case WindowEvent::Kind::kControls:
      session_.holdControls(event.holder, event.controls);
      break;
  }
}

void Loop::keyDown(const shell::KeyInput& key) {
  // The window's own keys, whatever the game or a box is doing: F11 toggles
  // fullscreen, and Alt+F4 closes the window as its close box does.
  if (key.virtualKey == shell::kVkF11) {
    if (!key.repeat) screen_.toggleFullscreen();
    session_.invalidate();
    return;
  }
  if (key.alt && key.virtualKey == shell::kVkF4) {
    closeWindow();
    return;
  }
  session_.keyDown(key);
}

void Loop::pointer(const WindowEvent& event) {
  const shell::PointerAction action = actionOf(event.kind);
  if (session_.openBoxes() > 0) {
    // The boxes lie on the field, scaled with it, or at their own size.
    const shell::MessageBox& box = session_.box(session_.openBoxes() - 1);
    const FieldPoint at = toField(screen_.fit().boxes, event.x, event.y);
    session_.boxPointer(action, boxTargetAt(box, at.x, at.y));
    return;
  }
  // The menu lies at the window's top-left corner, never scaled.
  const bool open = session_.menu().mode() == shell::Menu::Mode::kOpen;
  session_.menuPointer(action, menuTargetAt(event.x, event.y, open));
}

void Loop::closeWindow() {
  screen_.hide();
  session_.closeWindow();
}

void Loop::ticked(std::uint64_t /*lateness*/) {
  if (!report_.enabled()) return;
  report_.tick(now(), processorSeconds());
  if (report_.ready()) {
    std::fprintf(stderr, "%s\n", PacingReport::format(report_.summarize()).c_str());
  }
}

void Loop::paint() {
  const std::uint64_t start = now();
  screen_.present(session_);
  session_.painted();
  report_.paintTook(now() - start);
}

}  // namespace vantorix::sdl
