// One session of the game behind a shell's window: the game (recorded, when a
// sink is given), the menu, the boxes it has open, its clock, and the routing
// of every input: an open box takes it first, then the menu, then the game.
// A shell only turns its platform's events into these inputs, calls advance()
// when millisecondsToWait() says, and shows what the session holds. In a
// replay the recording's steps come at the game's pace instead, each recorded
// box shows for a second with its recorded answer's button focused, and the
// player's keys and clicks are inert.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "app/platform.h"
#include "app/recorded_game.h"
#include "app/shell/controls.h"
#include "app/shell/held_controls.h"
#include "app/shell/key_map.h"
#include "app/shell/menu.h"
#include "app/shell/message_box.h"
#include "app/shell/pacer.h"
#include "script/player.h"

namespace vantorix::shell {

// What a shell does for its session.
class Host {
 public:
  // Microseconds of a steady clock.
  virtual std::uint64_t now() = 0;
  // Runs the shell until the newest box has its answer or the session has
  // ended: the SDL program runs turns of its own loop, as a Windows box runs
  // its message loop; the page leaves the module and comes back.
  virtual void waitForAnswer() = 0;
  // The menu has closed for a chosen command: show it closed before the
  // command's box appears.
  virtual void showNow() {}
  // The game took a tick this late; its clock started or stopped.
  virtual void ticked(std::uint64_t /*lateness*/) {}
  virtual void clockChanged() {}

 protected:
  ~Host() = default;
};

enum class PointerAction { kDown, kMove, kUp };

class Session final : private Platform {
 public:
  // A box over a box: the start box of a running game, and a box of the
  // game's end that one of its ticks opened.
  static constexpr int kMaxOpenBoxes = 2;
  // How long a replayed box shows before its recorded answer is given.
  static constexpr std::uint64_t kReplayedBoxMicroseconds = kMicrosecondsPerSecond;

  // With a `recording` the session is written to it as it goes.
  Session(Host& host, RecordingSink* recording);
  // With a `replay` the session is that recording played back; a shell
  // that calls only the constructor above carries no script player.
  Session(Host& host, RecordingSink* recording, ScriptPlayer* replay);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // ---- inputs
  void keyDown(const KeyInput& key);
  void keyUp(const KeyInput& key);
  void menuPointer(PointerAction action, MenuTarget target);
  // `target` as MessageBox takes it: a button's index, kCloseBox or kNone.
  void boxPointer(PointerAction action, int target);
  // The window's close box, or its equivalent: ends the session at once,
  // every open box giving up with the answer that changes nothing.
  void closeWindow();
  // The window lost the keyboard: the menu closes, and held controls are let
  // go of, as keys stop repeating then.
  void focusLost();
  // `holder` (a pad, a finger: any number the shell keeps for it) now holds
  // exactly `held`; an empty set lets it go. Held directions and fire are
  // arrow and space key-downs, repeating as keys do; in the menu fire is
  // Return and in a box Space, and a held control repeats only where it went
  // down. Back closes the menu and answers a box as Escape or N would; start
  // opens the menu at its first item, or closes it.
  void holdControls(std::int32_t holder, ControlSet held);

  // ---- time
  // Does what is due now: the game's tick, or in a replay the recording's
  // next step or a shown box's recorded answer.
  void advance();
  // How long the shell may wait for an input before calling advance()
  // again: 0 for at once, -1 for as long as it takes.
  int millisecondsToWait();

  // ---- what to show
  const Menu& menu() const { return menu_; }
  int openBoxes() const { return openBoxes_; }
  const MessageBox& box(int depth) const { return *boxes_[static_cast<std::size_t>(depth)]; }
  // True once the newest box has its answer, or the session has ended: what
  // waitForAnswer() waits for.
  bool newestBoxDone() const;
  void paint(Canvas& canvas) const { game_.paint(canvas); }
  // Something changed since the last call to painted().
  bool needsPaint() const { return needsPaint_; }
  void painted() { needsPaint_ = false; }
  void invalidate() override { needsPaint_ = true; }

  bool ended() const { return ended_; }
  int exitCode() const { return exitCode_; }
  bool recordingFailed() const { return game_.recordingFailed(); }
  // The recorder of the session's recording, or null for none.
  const Recorder* recorder() const { return game_.recorder(); }
  const GameState& gameState() const { return game_.state(); }

 private:
  // Platform: what the game asks of its window.
  void startGameTimer() override;
  void stopGameTimer() override;
  int showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) override;
  void postQuit(int exitCode) override;

  // How a session plays a recording back, kept apart (session_replay.cpp).
  class Replay {
   public:
    virtual ~Replay() = default;
    // Does what is due now: the recording's next step, or a shown box's
    // recorded answer.
    virtual void advance() = 0;
    virtual int millisecondsToWait(std::uint64_t now) = 0;
    // The box at `depth` has opened: it shows the recorded answer.
    virtual void boxOpened(MessageBox& box, int depth, BoxButtons buttons) = 0;
    virtual const ScriptOutcome& outcome() const = 0;
  };
  class Replayer;

  MessageBox* newestBox();
  // Where the player's inputs go now: the game, the menu, or the box at a
  // depth (kPlaceBox + depth).
  int place() const;
  static constexpr int kPlaceGame = 0;
  static constexpr int kPlaceMenu = 1;
  static constexpr int kPlaceBox = 2;
  void letGo(const HeldControls::Changes& changes);
  void controlDown(Control control);
  void controlUp(Control control);
  void controlRepeat(Control control);
  void follow(const MenuReply& reply);
  void follow(const BoxReply& reply);
  void tick();
  void end(int exitCode);

  Host& host_;
  RecordedGame game_;
  std::unique_ptr<Replay> replay_;  // null for a live session
  Menu menu_;
  Pacer pacer_;
  HeldControls held_;
  // The key a held control stands for, and where it went down.
  struct HeldKey {
    int virtualKey = 0;
    int place = kPlaceGame;
  };
  std::array<HeldKey, kControlCount> heldKeys_{};
  std::array<std::optional<MessageBox>, kMaxOpenBoxes> boxes_;
  int openBoxes_ = 0;
  bool gameTimerOn_ = false;
  bool windowClosed_ = false;
  bool needsPaint_ = true;
  bool ended_ = false;
  int exitCode_ = 0;
};

}  // namespace vantorix::shell
