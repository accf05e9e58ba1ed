// The page's program around the game: the Game with its platform and the
// recording of its session, the client area it paints into and the frame the
// page shows, and the room the module's call stack needs while it waits in a
// box.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/recorded_game.h"
#include "app/web/memory_recording.h"
#include "app/web/rgba_frame.h"
#include "app/web/web_platform.h"
#include "render/pixel_canvas.h"

namespace vantorix::web {

// A box opened by a menu command (the start box of a running game) can have
// a tick behind it open an end-of-game box: two can wait at once.
inline constexpr int kMaxWaitingBoxes = 2;

// Where asyncify keeps the frames of one waiting call: the address it writes
// next, the end of its room, then the room itself.
struct WaitRecord {
  std::uint32_t next = 0;
  std::uint32_t end = 0;
  std::array<std::uint8_t, 4096> room{};
};

class WebShell {
 public:
  RecordedGame& game() { return game_; }
  // The session's recording so far, with the run of ticks the recorder
  // holds until its next line: what a recording saved now must replay.
  std::string_view recording();
  // Erases the client area to the window's black and paints the game into
  // the frame.
  const RgbaFrame& paint();
  // The record for the box that waits at `depth` (0 for the first), emptied;
  // null beyond kMaxWaitingBoxes.
  WaitRecord* waitRecord(int depth);

 private:
  WebPlatform platform_;
  MemoryRecording recording_;
  RecordedGame game_{platform_, &recording_};
  std::string withHeldTicks_;  // recording() while ticks are held
  PixelCanvas canvas_;
  RgbaFrame frame_;
  std::array<WaitRecord, kMaxWaitingBoxes> waits_{};
};

}  // namespace vantorix::web
