// The SDL program's message loop, with nothing of SDL in it: it takes the
// window's events from an EventSource and its clock from the same, shows the
// session on a Screen, and is the session's Host. A message box is a nested
// run of the same loop, as a Windows modal box runs its own message loop:
// ticks and paints go on, keys and clicks go to the box alone. Tests drive
// whole sessions through it with a scripted source and a virtual clock.
#pragma once

#include <cstdint>

#include "app/sdl/pacing_report.h"
#include "app/sdl/view_fit.h"
#include "app/shell/session.h"

namespace vantorix::sdl {

// What happened at the window, as the loop takes it.
struct WindowEvent {
  enum class Kind {
    kKeyDown,
    kKeyUp,
    kPointerDown,  // the left button, in window pixels
    kPointerMove,
    kPointerUp,
    kClose,  // the window's close box
    kFocusLost,
    kExposed,   // shown again, resized: all of it must be painted
    kControls,  // a pad holds `controls` now; none lets it go
  };
  Kind kind = Kind::kExposed;
  shell::KeyInput key{};
  int x = 0;
  int y = 0;
  std::int32_t holder = 0;  // the pad, a number the event source keeps for it
  shell::ControlSet controls = 0;
};

class EventSource {
 public:
  enum class Waited { kEvent, kNothing, kFailed };
  // Waits at most `milliseconds` for the next event (-1: for as long as it
  // takes, 0: not at all). Only a wait without end can fail.
  virtual Waited wait(int milliseconds, WindowEvent& event) = 0;
  // Microseconds of a steady clock.
  virtual std::uint64_t now() = 0;

 protected:
  ~EventSource() = default;
};

class Screen {
 public:
  // Paints the session's field, boxes and menu and puts them in the window.
  virtual void present(const shell::Session& session) = 0;
  // The window was shown again or changed its size: the next present puts
  // all of it there.
  virtual void exposed() = 0;
  // Where the field lies in the window now.
  virtual ViewFit fit() const = 0;
  virtual void toggleFullscreen() = 0;
  // The window is going: it disappears at once, before the boxes give up.
  virtual void hide() = 0;

 protected:
  ~Screen() = default;
};

class Loop final : public shell::Host {
 public:
  // With `reportSeconds` > 0 the clock is measured for that long and the
  // figures printed on standard error.
  Loop(EventSource& events, Screen& screen, RecordingSink* recording, ScriptPlayer* replay,
       int reportSeconds = 0);
  Loop(const Loop&) = delete;
  Loop& operator=(const Loop&) = delete;

  // Runs the session to its end; returns its exit code, or -1 when waiting
  // for events failed.
  int run();
  const shell::Session& session() const { return session_; }

  // Host
  std::uint64_t now() override { return events_.now(); }
  void waitForAnswer() override;
  void showNow() override { paint(); }
  void ticked(std::uint64_t lateness) override;
  void clockChanged() override { report_.breakRun(); }

 private:
  // One turn: wait for an event or what the session has due, handle what
  // came, let the session advance, and paint what is owed.
  void turn();
  // True when the loop running now must return to the one it is nested in:
  // the session ended, or the box it waits for has its answer.
  bool interrupted() const;
  void handle(const WindowEvent& event);
  void keyDown(const shell::KeyInput& key);
  void pointer(const WindowEvent& event);
  void closeWindow();
  void paint();

  EventSource& events_;
  Screen& screen_;
  PacingReport report_;
  shell::Session session_;
  bool failed_ = false;
};

}  // namespace vantorix::sdl
