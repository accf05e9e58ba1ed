// The game with its session recorded: the same five entry points, each handed
// to the game between the recorder's begin and end, and the boxes' answers
// and the quit told to the recorder on their way back. Without a sink it is
// the plain game.
#pragma once

#include <optional>

#include "app/game.h"
#include "script/recorder.h"

namespace vantorix {

class RecordedGame {
 public:
  RecordedGame(Platform& platform, RecordingSink* sink);
  RecordedGame(const RecordedGame&) = delete;
  RecordedGame& operator=(const RecordedGame&) = delete;

  void command(int id);
  void timer();
  void keyDown(int virtualKey);
  void destroy();
  void paint(Canvas& canvas) const { game_.paint(canvas); }

  const GameState& state() const { return game_.state(); }
  GameState& state() { return game_.state(); }

  // True once the sink could not take a line: the recording stopped there.
  bool recordingFailed() const { return recorder_ && recorder_->failed(); }
  // The recorder, or null for the plain game.
  const Recorder* recorder() const { return recorder_ ? &*recorder_ : nullptr; }

 private:
  // The platform as the game sees it: the shell's, with the recorder told.
  class Tap final : public Platform {
   public:
    explicit Tap(Platform& shell) : shell_(shell) {}
    void startGameTimer() override { shell_.startGameTimer(); }
    void stopGameTimer() override { shell_.stopGameTimer(); }
    int showMessageBox(std::string_view text, std::string_view caption,
                       BoxButtons buttons) override;
    void invalidate() override { shell_.invalidate(); }
    void postQuit(int exitCode) override;

    Recorder* recorder = nullptr;

   private:
    Platform& shell_;
  };

  class Delivery;

  Tap tap_;
  Game game_;
  std::optional<Recorder> recorder_;
};

}  // namespace vantorix
