// A window for whole sessions of the SDL program's loop without a display:
// its events come at set times of a virtual clock, which jumps ahead
// whenever the loop waits, and an action set for a moment may make events of
// its own then. What happened is read from the session's recording and the
// game's state, never from timing.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <sstream>
#include <string>

#include "app/headless_game.h"
#include "app/sdl/loop.h"
#include "app/sdl/menu_layout.h"
#include "render/client_area.h"
#include "script/script_lines.h"

namespace vantorix::sdl::test {

inline constexpr std::uint64_t kSecond = shell::kMicrosecondsPerSecond;

class ScriptedWindow final : public EventSource, public Screen {
 public:
  // Queues an event for the moment `seconds` after the start, after those
  // queued for the same moment.
  ScriptedWindow& at(double seconds, WindowEvent event) {
    return queue({static_cast<std::uint64_t>(seconds * kSecond), event, {}});
  }
  // Runs `action` at that moment; the events it gives with happen() come
  // next, before any later ones.
  ScriptedWindow& at(double seconds, std::function<void()> action) {
    return queue({static_cast<std::uint64_t>(seconds * kSecond), {}, std::move(action)});
  }
  void happen(const WindowEvent& event) { happening_.push_back(event); }
  ScriptedWindow& keys(double seconds, std::initializer_list<int> virtualKeys) {
    for (const int key : virtualKeys)
      at(seconds, {WindowEvent::Kind::kKeyDown, {key}})
          .at(seconds, {WindowEvent::Kind::kKeyUp, {key}});
    return *this;
  }

  Waited wait(int milliseconds, WindowEvent& event) override {
    const std::uint64_t until = clock_ + static_cast<std::uint64_t>(milliseconds) * 1000;
    for (;;) {
      if (!happening_.empty()) {
        event = happening_.front();
        happening_.pop_front();
        return Waited::kEvent;
      }
      if (events_.empty() || (milliseconds >= 0 && events_.front().at > until)) break;
      Timed next = std::move(events_.front());
      events_.pop_front();
      clock_ = std::max(clock_, next.at);
      if (!next.action) {
        event = next.event;
        return Waited::kEvent;
      }
      next.action();
    }
    if (milliseconds < 0) return Waited::kFailed;  // nothing more will ever come
    clock_ = until;
    return Waited::kNothing;
  }
  std::uint64_t now() override { return clock_; }

  void present(const shell::Session& session) override {
    ++presents;
    boxesSeen = std::max(boxesSeen, session.openBoxes());
  }
  void exposed() override {}
  ViewFit fit() const override { return fitField(kClientWidth, kMenuBarHeight + kClientHeight); }
  void toggleFullscreen() override { ++fullscreenToggles; }
  void hide() override { hidden = true; }

  int presents = 0;
  int boxesSeen = 0;
  int fullscreenToggles = 0;
  bool hidden = false;

 private:
  struct Timed {
    std::uint64_t at;
    WindowEvent event;
    std::function<void()> action;  // when set, run instead of giving `event`
  };
  ScriptedWindow& queue(Timed timed) {
    const auto later = std::upper_bound(events_.begin(), events_.end(), timed.at,
                                        [](std::uint64_t at, const Timed& t) { return at < t.at; });
    events_.insert(later, std::move(timed));
    return *this;
  }

  std::deque<Timed> events_;
  std::deque<WindowEvent> happening_;
  std::uint64_t clock_ = 0;
};

class Lines final : public RecordingSink {
 public:
  bool addLine(std::string_view line) override {
    text += line;
    text += '\n';
    return true;
  }
  std::string text;
};

struct Played {
  int exitCode;
  std::string recording;
  GameState state;
};

inline Played play(ScriptedWindow& window) {
  Lines lines;
  Loop loop(window, window, &lines, nullptr);
  const int exitCode = loop.run();
  return {exitCode, lines.text, loop.session().gameState()};
}

// Replays a recording without a window: the exit status of the player.
inline int replayHeadless(const std::string& recording) {
  std::istringstream in(recording);
  LineReader lines(in);
  ScriptPlayer player(lines, ScriptPlayer::Checks::kDigests);
  HeadlessGame game(player);
  player.playThrough(game);
  return player.outcome().exitStatus();
}

}  // namespace vantorix::sdl::test
