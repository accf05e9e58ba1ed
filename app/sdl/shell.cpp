#include "app/sdl/shell.h"

#include <cstdio>
#include <ctime>

#include "app/sdl/box_painter.h"
#include "app/sdl/key_map.h"
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
      pacer_(SDL_GetPerformanceFrequency()),
      report_(SDL_GetPerformanceFrequency(), reportSeconds),
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
  } else if (pacer_.due(now())) {
    tick();
  }
  if (dirty_ && !quit_) paint();
}

bool Shell::interrupted() const {
  return quit_ || (openBoxes_ > 0 && boxes_[static_cast<std::size_t>(openBoxes_ - 1)]->answered());
}

MessageBox* Shell::topBox() {
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
    return replayTickNext_ ? pacer_.millisecondsUntilDue(now()) : 0;
  }
  // With no game clock running there is nothing to do until the user acts.
  return pacer_.running() ? pacer_.millisecondsUntilDue(now()) : -1;
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
    if (!pacer_.running()) pacer_.start(now());
    if (!pacer_.due(now())) return;
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

void Shell::keyDown(const SDL_KeyboardEvent& key) {
  const SDL_Keycode code = key.keysym.sym;
  const bool alt = (key.keysym.mod & KMOD_ALT) != 0;
  if (code == SDLK_F11) {
    if (key.repeat == 0) toggleFullscreen();
    return;
  }
  // Alt+F4 closes the window as its close box does, also while a box waits.
  if (alt && code == SDLK_F4) {
    follow(menu_.close());
    closeWindow();
    return;
  }
  if (replay_ != nullptr) return;  // the recording plays: the keys are inert
  if (MessageBox* box = topBox()) {
    box->keyDown(boxKeyOf(code, key.keysym.mod), key.repeat != 0);
    dirty_ = true;
    return;
  }
  const MenuKey menuKey = menuKeyOf(code);
  if (alt && menuKey != MenuKey::kAlt) {
    // With Alt held a key is the system's, never the game's.
    follow(menu_.keyDown(MenuKey::kOther));
    return;
  }
  if (key.repeat != 0 && (menuKey == MenuKey::kF10 || menuKey == MenuKey::kAlt)) return;
  const MenuReply reply = menu_.keyDown(menuKey);
  if (!reply.consumed) game_.keyDown(virtualKeyOf(code, key.keysym.scancode));
  follow(reply);
}

void Shell::keyUp(const SDL_KeyboardEvent& key) {
  if (replay_ != nullptr) return;
  if (MessageBox* box = topBox()) {
    box->keyUp(boxKeyOf(key.keysym.sym, key.keysym.mod));
    dirty_ = true;
    return;
  }
  follow(menu_.keyUp(menuKeyOf(key.keysym.sym)));
}

void Shell::mouse(const SDL_Event& event) {
  if (replay_ != nullptr) return;
  if (MessageBox* box = topBox()) {
    boxMouse(*box, event);
    return;
  }
  // The menu lies at the window's top-left corner, never scaled.
  if (event.type == SDL_MOUSEMOTION) {
    follow(menu_.mouseMove(event.motion.x, event.motion.y));
    return;
  }
  if (event.button.button != SDL_BUTTON_LEFT) return;
  if (event.type == SDL_MOUSEBUTTONDOWN) {
    follow(menu_.mouseDown(event.button.x, event.button.y));
  } else {
    follow(menu_.mouseUp(event.button.x, event.button.y));
  }
}

void Shell::boxMouse(MessageBox& box, const SDL_Event& event) {
  const ViewFit fit = presenter_.fit();
  const int pressedBefore = box.pressed();
  if (event.type == SDL_MOUSEMOTION) {
    const FieldPoint at = toField(fit, event.motion.x, event.motion.y);
    box.mouseMove(at.x, at.y);
  } else if (event.button.button == SDL_BUTTON_LEFT) {
    const FieldPoint at = toField(fit, event.button.x, event.button.y);
    if (event.type == SDL_MOUSEBUTTONDOWN) {
      box.mouseDown(at.x, at.y);
    } else {
      box.mouseUp(at.x, at.y);
    }
    dirty_ = true;
  }
  if (box.pressed() != pressedBefore) dirty_ = true;
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

void Shell::follow(const MenuReply& reply) {
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
  const Uint64 at = now();
  pacer_.takeTick(at);
  if (report_.enabled()) report_.tick(at, processorSeconds());
  game_.timer();
  if (report_.ready()) {
    std::fprintf(stderr, "%s\n", PacingReport::format(report_.summarize()).c_str());
  }
}

void Shell::paint() {
  const Uint64 start = now();
  // The erase of the game window: its background is black.
  SDL_FillRect(field_, nullptr, SDL_MapRGB(field_->format, 0, 0, 0));
  SurfaceCanvas canvas(field_, sprites_);
  game_.paint(canvas);
  for (int i = 0; i < openBoxes_; ++i)
    paintBox(field_, *boxes_[static_cast<std::size_t>(i)]);
  presenter_.present(field_, menu_);
  dirty_ = false;
  report_.paintTook(now() - start);
}

void Shell::startGameTimer() {
  gameTimerOn_ = true;
  // A replay's ticks come from the recording, at their own pace.
  if (destroyed_ || replay_ != nullptr) return;
  pacer_.start(now());
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
  MessageBox& box = boxes_[index].emplace(text, caption, buttons);
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
