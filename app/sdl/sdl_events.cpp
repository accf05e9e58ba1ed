#include "app/sdl/sdl_events.h"

#include <algorithm>
#include <cstdio>

#include "app/sdl/key_map.h"
#include "app/shell/pacer.h"

namespace vantorix::sdl {

SdlEvents::SdlEvents(Pads& pads) : pads_(pads), countsPerSecond_(SDL_GetPerformanceFrequency()) {
  // Keys are keys here, not text: no input method gets in between.
  SDL_StopTextInput();
}

std::uint64_t SdlEvents::now() {
  return shell::microsecondsOf(SDL_GetPerformanceCounter(), countsPerSecond_);
}

EventSource::Waited SdlEvents::wait(int milliseconds, WindowEvent& event) {
  SDL_Event from;
  // Events the loop has no use for are let go; the wait goes on only while
  // there is time left for it.
  const std::uint64_t until =
      now() + static_cast<std::uint64_t>(milliseconds > 0 ? milliseconds : 0) * 1000;
  for (;;) {
    int got = 0;
    if (milliseconds < 0 && !pads_.listening()) {
      got = SDL_WaitEvent(&from);
      if (got == 0) {
        std::fprintf(stderr, "vantorix: waiting for events failed: %s\n", SDL_GetError());
        return Waited::kFailed;
      }
    } else {
      const std::uint64_t at = now();
      int left = at >= until ? 0 : static_cast<int>((until - at + 999) / 1000);
      if (milliseconds < 0) left = kPadLookMilliseconds;
      // SDL notices a pad plugged in only when it looks at its events: it
      // looks this often however long the wait, so that a pad plugged in at
      // the title is heard at its first press.
      if (pads_.listening()) left = std::min(left, kPadLookMilliseconds);
      got = left == 0 ? SDL_PollEvent(&from) : SDL_WaitEventTimeout(&from, left);
      if (got == 0 && (milliseconds < 0 || now() < until)) continue;
    }
    if (got == 0) return Waited::kNothing;
    if (translate(from, event)) return Waited::kEvent;
  }
}

bool SdlEvents::translate(const SDL_Event& from, WindowEvent& to) {
  using Kind = WindowEvent::Kind;
  switch (from.type) {
    case SDL_QUIT:
      to.kind = Kind::kClose;
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      to.kind = from.type == SDL_KEYDOWN ? Kind::kKeyDown : Kind::kKeyUp;
      to.key = keyInputOf(from.key);
      // A key Windows has no code for reaches nothing.
      return to.key.virtualKey != 0;
    case SDL_MOUSEMOTION:
      to.kind = Kind::kPointerMove;
      to.x = from.motion.x;
      to.y = from.motion.y;
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (from.button.button != SDL_BUTTON_LEFT) return false;
      to.kind = from.type == SDL_MOUSEBUTTONDOWN ? Kind::kPointerDown : Kind::kPointerUp;
      to.x = from.button.x;
      to.y = from.button.y;
      return true;
    case SDL_WINDOWEVENT:
      switch (from.window.event) {
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
          to.kind = Kind::kExposed;
          return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          to.kind = Kind::kFocusLost;
          return true;
        case SDL_WINDOWEVENT_CLOSE:
          to.kind = Kind::kClose;
          return true;
        default:
          return false;
      }
    default:
      return pads_.translate(from, to);
  }
}

}  // namespace vantorix::sdl
