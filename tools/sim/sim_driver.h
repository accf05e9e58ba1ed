// The simulator's game: the headless game with everything printed. While
// events are on each platform call prints its line as it is made; get,
// dump, draws and digest print what they find, and frame writes a picture.
// Once the script has stopped at a fault nothing more is printed.
#pragma once

#include <functional>
#include <ostream>

#include "app/headless_game.h"
#include "render/pixel_canvas.h"

namespace vantorix::sim {

class SimDriver final : public HeadlessGame {
 public:
  SimDriver(ScriptPlayer& player, std::ostream& out) : HeadlessGame(player), out_(out) {}

  // Called after every message the script delivers, with the state it left;
  // false ends the run there.
  using MessageObserver = std::function<bool(const GameState&)>;
  void observeMessages(MessageObserver observer) { observer_ = std::move(observer); }
  // With false, frame steps write no file.
  void writeFrames(bool on) { writeFrames_ = on; }

  // ScriptDriver
  void command(int id) override;
  void timer() override;
  void keyDown(int virtualKey) override;
  void close() override;
  bool ended() const override { return stopped_ || HeadlessGame::ended(); }
  std::optional<std::string> outputStep(const ScriptStep& step) override;
  void fieldGot(std::string_view name, i32 value) override;
  void digestTaken(std::uint64_t value) override;

  // Platform
  void startGameTimer() override;
  void stopGameTimer() override;
  int showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) override;
  void invalidate() override;
  void postQuit(int exitCode) override;

 private:
  bool printsEvents() const { return events_ && !player().stopped(); }
  void afterMessage();
  std::optional<std::string> writeFrame(std::string_view path);

  std::ostream& out_;
  PixelCanvas frame_;  // the client area the frame step paints into
  MessageObserver observer_;
  bool events_ = false;
  bool writeFrames_ = true;
  bool stopped_ = false;
};

}  // namespace vantorix::sim
