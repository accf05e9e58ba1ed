#include "app/sdl/shell.h"

#include <cstdio>
#include <ctime>

#include "app/sdl/box_layout.h"
#include "app/sdl/box_painter.h"
#include "app/sdl/key_map.h"
#include "app/sdl/menu_layout.h"
#include "app/sdl/surface_canvas.h"

namespace vantorix::sdl {

namespace {

double processorSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

}  // namespace

Shell::Shell(SDL_Window* window, Presenter& presenter, const SpriteSurfaces& sprites,
             SDL_Surface* field, int reportSeconds, RecordingSink* recording, Replay* replay)
    : window_(window),
      presenter_(presenter),
      sprites_(sprites),
      field_(field),
      game_(*this, recording),
      report_(shell::kMicrosecondsPerSecond, reportSeconds),
      replay_(replay) {}

int Shell::run() {
  // Keys are keys here, not text: no input method gets in between.
  SDL_StopTextInput();
  while (!quit_)
    turn();
  return failed_ ? -1 : exitCode_;
}

void Shell::turn() {
  SDL_Event event;
  const int wait = millisecondsToWait();
  if (waitForEvent(event, wait)) {
    handle(event);
  } else if (wait < 0) {  // only a wait without end fails for want of an event
    std::fprintf(stderr, "vantorix: waiting for events failed: %s\n", SDL_GetError());
    failed_ = true;
    quit_ = true;
    return;
  }
  while (!interrupted() && SDL_PollEvent(&event))
    handle(event);
  if (interrupted()) return;
  if (replay_ != nullptr) {
    playRecording();
  } else if (pacer_.due(clockNow())) {
    tick();
  }
  if (dirty_ && !quit_) paint();
}

bool Shell::interrupted() const {
  return quit_ || (openBoxes_ > 0 && boxes_[static_cast<std::size_t>(openBoxes_ - 1)]->answered());
}

shell::MessageBox* Shell::topBox() {
  return openBoxes_ > 0 ? &*boxes_[static_cast<std::size_t>(openBoxes_ - 1)] : nullptr;
}

bool Shell::waitForEvent(SDL_Event& event, int wait) {
  if (wait < 0) return SDL_WaitEvent(&event) != 0;
  if (wait == 0) return SDL_PollEvent(&event) != 0;
  return SDL_WaitEventTimeout(&event, wait) != 0;
}

int Shell::millisecondsToWait() const {
  if (dirty_) return 0;
  if (replay_ != nullptr) {
    if (openBoxes_ > 0) {
      const Uint64 due = replayAnswerDue_[static_cast<std::size_t>(openBoxes_ - 1)];
      const Uint64 at = now();
      return at >= due ? 0
                       : static_cast<int>((due - at) * 1000 / SDL_GetPerformanceFrequency() + 1);
    }
    // Between ticks a recording waits for the clock; any other step is due now.
    return replayTickNext_ ? pacer_.millisecondsUntilDue(clockNow()) : 0;
  }
  // With no game clock running there is nothing to do until the user acts.
  return pacer_.running() ? pacer_.millisecondsUntilDue(clockNow()) : -1;
}

void Shell::playRecording() {
  if (openBoxes_ > 0) {
    const auto top = static_cast<std::size_t>(openBoxes_ - 1);
    if (now() < replayAnswerDue_[top]) return;
    if (replayAnswers_[top].closesWindow) {
      closeWindow();
    } else {
      boxes_[top]->answerAs(replayAnswers_[top].answer);
    }
    return;
  }
  ScriptPlayer& player = replay_->player();
  const ScriptPlayer::Next next = player.next(*this);
  if (next == ScriptPlayer::Next::kEnd) {
    postQuit(replay_->finish());  // the recording ends here, and so does its session
    return;
  }
  if (next == ScriptPlayer::Next::kTimer) {
    // The recorded timer messages at the game's own pace, whatever the game
    // did with its timer.
    if (!pacer_.running()) pacer_.start(clockNow());
    if (!pacer_.due(clockNow())) return;
  }
  player.play(*this);
  replayTickNext_ = player.next(*this) == ScriptPlayer::Next::kTimer;
}

void Shell::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      closeWindow();
      break;
    case SDL_KEYDOWN:
      keyDown(event.key);
      break;
    case SDL_KEYUP:
      keyUp(event.key);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEMOTION:
      mouse(event);
      break;
    case SDL_WINDOWEVENT:
      windowEvent(event.window);
      break;
    default:
      break;
  }
}

void Shell::keyDown(const SDL_KeyboardEvent& event) {
  const shell::KeyInput key = keyInputOf(event);
  if (key.virtualKey == 0) return;  // a key Windows has no code for
  if (key.virtualKey == shell::kVkF11) {
    if (!key.repeat) toggleFullscreen();
    return;
  }
  // Alt+F4 closes the window as its close box does, also while a box waits.
  if (key.alt && key.virtualKey == shell::kVkF4) {
    follow(menu_.close());
    closeWindow();
    return;
  }
  if (replay_ != nullptr) return;  // the recording plays: the keys are inert
  if (shell::MessageBox* box = topBox()) {
    if (box->keyDown(key).changed) dirty_ = true;
    return;
  }
  const shell::MenuReply reply = menu_.keyDown(key);
  if (!reply.consumed) game_.keyDown(key.virtualKey);
  follow(reply);
}

void Shell::keyUp(const SDL_KeyboardEvent& event) {
  if (replay_ != nullptr) return;
  const shell::KeyInput key = keyInputOf(event);
  if (key.virtualKey == 0) return;
  if (shell::MessageBox* box = topBox()) {
    if (box->keyUp(key).changed) dirty_ = true;
    return;
  }
  follow(menu_.keyUp(key));
}

void Shell::mouse(const SDL_Event& event) {
  if (replay_ != nullptr) return;
  if (shell::MessageBox* box = topBox()) {
    boxMouse(*box, event);
    return;
  }
  // The menu lies at the window's top-left corner, never scaled.
  const bool open = menu_.mode() == shell::Menu::Mode::kOpen;
  if (event.type == SDL_MOUSEMOTION) {
    follow(menu_.pointerMove(menuTargetAt(event.motion.x, event.motion.y, open)));
    return;
  }
  if (event.button.button != SDL_BUTTON_LEFT) return;
  const shell::MenuTarget target = menuTargetAt(event.button.x, event.button.y, open);
  follow(event.type == SDL_MOUSEBUTTONDOWN ? menu_.pointerDown(target) : menu_.pointerUp(target));
}

void Shell::boxMouse(shell::MessageBox& box, const SDL_Event& event) {
  const ViewFit fit = presenter_.fit();
  shell::BoxReply reply;
  if (event.type == SDL_MOUSEMOTION) {
    const FieldPoint at = toField(fit, event.motion.x, event.motion.y);
    reply = box.pointerMove(boxTargetAt(box, at.x, at.y));
  } else if (event.button.button == SDL_BUTTON_LEFT) {
    const FieldPoint at = toField(fit, event.button.x, event.button.y);
    const int target = boxTargetAt(box, at.x, at.y);
    reply = event.type == SDL_MOUSEBUTTONDOWN ? box.pointerDown(target) : box.pointerUp(target);
  }
  if (reply.changed) dirty_ = true;
}

void Shell::windowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
      dirty_ = true;
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      follow(menu_.close());
      break;
    case SDL_WINDOWEVENT_CLOSE:
      closeWindow();
      break;
    default:
      break;
  }
}

void Shell::follow(const shell::MenuReply& reply) {
  if (reply.changed) dirty_ = true;
  if (reply.command == 0) return;
  // The menu is closed on screen before the command's box appears.
  paint();
  game_.command(reply.command);
}

void Shell::closeWindow() {
  if (destroyed_) return;
  destroyed_ = true;
  pacer_.stop();
  SDL_HideWindow(window_);
  // The destroy posts the quit: every loop running now returns, every box
  // open now gives up, and no box opens again.
  game_.destroy();
}

void Shell::toggleFullscreen() {
  const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  dirty_ = true;
}

void Shell::tick() {
  const std::uint64_t at = clockNow();
  pacer_.takeTick(at);
  if (report_.enabled()) report_.tick(at, processorSeconds());
  game_.timer();
  if (report_.ready()) {
    std::fprintf(stderr, "%s\n", PacingReport::format(report_.summarize()).c_str());
  }
}

void Shell::paint() {
  const std::uint64_t start = clockNow();
  // The erase of the game window: its background is black.
  SDL_FillRect(field_, nullptr, SDL_MapRGB(field_->format, 0, 0, 0));
  SurfaceCanvas canvas(field_, sprites_);
  game_.paint(canvas);
  for (int i = 0; i < openBoxes_; ++i)
    paintBox(field_, *boxes_[static_cast<std::size_t>(i)]);
  presenter_.present(field_, menu_);
  dirty_ = false;
  report_.paintTook(clockNow() - start);
}

void Shell::startGameTimer() {
  gameTimerOn_ = true;
  // A replay's ticks come from the recording, at their own pace.
  if (destroyed_ || replay_ != nullptr) return;
  pacer_.start(clockNow());
  report_.breakRun();
}

void Shell::stopGameTimer() {
  gameTimerOn_ = false;
  if (replay_ != nullptr) return;
  pacer_.stop();
  report_.breakRun();
}

int Shell::showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) {
  // After the window's end no box opens again; nor does one beyond what a
  // game ever stacks.
  if (quit_ || openBoxes_ == kMaxOpenBoxes) return unansweredAnswer(buttons);
  follow(menu_.close());
  const auto index = static_cast<std::size_t>(openBoxes_++);
  shell::MessageBox& box = boxes_[index].emplace(text, caption, buttons);
  if (replay_ != nullptr) {
    // The box shows for a second with the recorded answer's button focused.
    const ScriptPlayer::BoxReply reply = replay_->player().answerFor(text, buttons);
    replayAnswers_[index] = reply;
    replayAnswerDue_[index] = now() + SDL_GetPerformanceFrequency();
    if (!reply.closesWindow) box.focusAnswer(reply.answer);
  }
  dirty_ = true;
  while (!quit_ && !box.answered())
    turn();
  const int answer = box.answered() ? box.answer() : unansweredAnswer(buttons);
  boxes_[static_cast<std::size_t>(--openBoxes_)].reset();
  dirty_ = true;
  return answer;
}

void Shell::postQuit(int exitCode) {
  quit_ = true;
  exitCode_ = exitCode;
}

}  // namespace vantorix::sdl
