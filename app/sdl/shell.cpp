#include "app/sdl/shell.h"

#include <cstdio>
#include <ctime>

#include "app/sdl/key_map.h"
#include "app/sdl/menu_painter.h"
#include "app/sdl/message_box.h"
#include "app/sdl/surface_canvas.h"

namespace vantorix::sdl {

namespace {

double processorSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

}  // namespace

Shell::Shell(SDL_Window* window, Presenter& presenter, const SpriteSurfaces& sprites,
             SDL_Surface* picture, int reportSeconds)
    : window_(window),
      presenter_(presenter),
      sprites_(sprites),
      picture_(picture),
      pacer_(SDL_GetPerformanceFrequency()),
      report_(SDL_GetPerformanceFrequency(), reportSeconds) {}

int Shell::run() {
  // Keys are keys here, not text: no input method gets in between.
  SDL_StopTextInput();
  while (!quit_) {
    SDL_Event event;
    if (!waitForEvent(event)) {
      if (!pacer_.running() && !dirty_) {
        std::fprintf(stderr, "vantorix: waiting for events failed: %s\n", SDL_GetError());
        return -1;
      }
    } else {
      handle(event);
    }
    while (!quit_ && SDL_PollEvent(&event))
      handle(event);
    if (quit_) break;
    if (pacer_.due(now())) tick();
    if (dirty_ && !quit_) paint();
  }
  return exitCode_;
}

bool Shell::waitForEvent(SDL_Event& event) {
  if (dirty_) return SDL_PollEvent(&event) != 0;
  // With no game clock running there is nothing to do until the user acts.
  if (!pacer_.running()) return SDL_WaitEvent(&event) != 0;
  const int wait = pacer_.millisecondsUntilDue(now());
  if (wait <= 0) return SDL_PollEvent(&event) != 0;
  return SDL_WaitEventTimeout(&event, wait) != 0;
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
  if (code == SDLK_F11) {
    if (key.repeat == 0) toggleFullscreen();
    return;
  }
  const MenuKey menuKey = menuKeyOf(code);
  if ((key.keysym.mod & KMOD_ALT) != 0 && menuKey != MenuKey::kAlt) {
    // With Alt held a key is the system's, never the game's: Alt+F4
    // closes the window as its close box does.
    follow(menu_.keyDown(MenuKey::kOther));
    if (code == SDLK_F4) closeWindow();
    return;
  }
  if (key.repeat != 0 && (menuKey == MenuKey::kF10 || menuKey == MenuKey::kAlt)) return;
  const MenuReply reply = menu_.keyDown(menuKey);
  if (!reply.consumed) game_.keyDown(virtualKeyOf(code, key.keysym.scancode));
  follow(reply);
}

void Shell::keyUp(const SDL_KeyboardEvent& key) {
  follow(menu_.keyUp(menuKeyOf(key.keysym.sym)));
}

void Shell::mouse(const SDL_Event& event) {
  const ViewFit fit = presenter_.fit();
  const bool moved = event.type == SDL_MOUSEMOTION;
  const int windowX = moved ? event.motion.x : event.button.x;
  const int windowY = moved ? event.motion.y : event.button.y;
  if (!moved && event.button.button != SDL_BUTTON_LEFT) return;
  const PicturePoint at = toPicture(fit, windowX, windowY, kPictureWidth, kPictureHeight);
  if (moved) {
    follow(menu_.mouseMove(at.x, at.y));
  } else if (event.type == SDL_MOUSEBUTTONDOWN) {
    follow(menu_.mouseDown(at.x, at.y));
  } else {
    follow(menu_.mouseUp(at.x, at.y));
  }
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
  SDL_FillRect(picture_, nullptr, SDL_MapRGB(picture_->format, 0, 0, 0));
  SurfaceCanvas canvas(picture_, kMenuBarHeight, sprites_);
  game_.paint(canvas);
  paintMenu(picture_, menu_);
  presenter_.present(picture_);
  dirty_ = false;
  report_.paintTook(now() - start);
}

void Shell::startGameTimer() {
  pacer_.start(now());
  report_.breakRun();
}

void Shell::stopGameTimer() {
  pacer_.stop();
  report_.breakRun();
}

int Shell::showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) {
  // The box holds up this loop, so the window shows what the game left
  // before it opens.
  if (dirty_) paint();
  const int answer = showBox(text, caption, buttons);
  // What was typed or clicked at the window meanwhile was not meant for the
  // game, and the clock owes no ticks for the time the box was open.
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_KEYDOWN, SDL_MOUSEWHEEL);
  if (pacer_.running()) pacer_.start(now());
  report_.breakRun();
  dirty_ = true;
  return answer;
}

void Shell::postQuit(int exitCode) {
  quit_ = true;
  exitCode_ = exitCode;
}

}  // namespace vantorix::sdl
