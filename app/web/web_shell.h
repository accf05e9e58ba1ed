// The page's program around the game: the shell core's session with the
// recording of what it plays, and its Host in the browser: the page's clock,
// and the page's way of waiting while a box is open. It also keeps what the
// page reads back after each call: the frame to show, the raw key the page
// hands over, which box is which, and how the game's ticks came. A shell
// made with a recording's player plays that recording back.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/shell/session.h"
#include "app/web/memory_recording.h"
#include "app/web/rgba_frame.h"
#include "render/changed_area.h"
#include "render/pixel_canvas.h"

namespace vantorix::web {

// Where asyncify keeps the frames of one waiting call: the address it writes
// next, the end of its room, then the room itself.
struct WaitRecord {
  std::uint32_t next = 0;
  std::uint32_t end = 0;
  std::array<std::uint8_t, 4096> room{};
};

class WebShell final : public shell::Host {
 public:
  // Room for a KeyboardEvent.code: the longest the table knows is 14 bytes.
  static constexpr int kKeyCodeRoom = 32;

  // With a `replay` the session plays that recording back, recording what it
  // plays as a live session records what the player does.
  explicit WebShell(ScriptPlayer* replay = nullptr) : session_(*this, &recording_, replay) {}
  WebShell(const WebShell&) = delete;
  WebShell& operator=(const WebShell&) = delete;

  shell::Session& session() { return session_; }
  const shell::Session& session() const { return session_; }

  // The page writes a key's KeyboardEvent.code here, then takes it.
  char* keyCode() { return keyCode_.data(); }
  // The written key's virtual-key code; 0 for a key Windows has no code for,
  // or a `length` that does not fit.
  int virtualKeyOfCode(int length) const;
  // Takes the written key for keyDown() or keyUp(); true when the page must
  // keep it from the browser: the session takes it (a box, the menu or the
  // game) and the browser would act on it, by scrolling, moving the focus,
  // pressing the focused element or opening its own menu.
  bool takeKey(int length, bool repeat, bool shift, bool alt);
  void keyDown() { session_.keyDown(key_); }
  void keyUp() { session_.keyUp(key_); }

  // The session's recording so far, with the run of ticks the recorder
  // holds until its next line: what a recording saved now must replay.
  std::string_view recording();
  // Paints the session into the frame; it needs no paint until it changes.
  // Only the frame's changed() areas differ from what the last paint left.
  const RgbaFrame& paint();
  // Where the latest paint changed the frame: the page puts only these on
  // its canvas. The first paint is whole.
  const AreaList& changed() const { return changed_; }
  // The next paint changes the whole frame: the page's canvas lost its
  // pixels.
  void invalidateAll() { tracker_.invalidateAll(); }

  // A number for the box open at `depth`, new with each box opened there,
  // so the page tells a box from the one before it; 0 for none.
  std::uint32_t boxSerial(int depth) const;

  // How the game's clock went: the ticks taken, the lateness of the latest
  // in microseconds, and how often the clock started or stopped.
  std::uint32_t ticks() const { return ticks_; }
  std::uint64_t latestLateness() const { return latestLateness_; }
  std::uint32_t clockChanges() const { return clockChanges_; }

  // shell::Host
  std::uint64_t now() override;
  void waitForAnswer() override;
  void ticked(std::uint64_t lateness) override;
  void clockChanged() override { ++clockChanges_; }

 private:
  std::uint32_t ticks_ = 0;
  std::uint64_t latestLateness_ = 0;
  std::uint32_t clockChanges_ = 0;
  std::uint32_t boxesOpened_ = 0;
  std::array<std::uint32_t, shell::Session::kMaxOpenBoxes> boxSerials_{};
  std::array<WaitRecord, shell::Session::kMaxOpenBoxes> waits_{};
  std::array<char, kKeyCodeRoom> keyCode_{};
  shell::KeyInput key_{};
  MemoryRecording recording_;
  shell::Session session_;
  std::string withHeldTicks_;  // recording() while ticks are held
  PixelCanvas canvas_;
  ChangeTracker tracker_;
  AreaList changed_;
  RgbaFrame frame_;
};

}  // namespace vantorix::web
