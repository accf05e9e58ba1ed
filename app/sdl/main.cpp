// The SDL program's entry point: a window with the menu bar over the
// 767 x 480 field, the sprites, the gamepads, and the message loop until the
// game quits.
#include <SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/replay_file.h"
#include "app/sdl/file_recording.h"
#include "app/sdl/loop.h"
#include "app/sdl/menu_layout.h"
#include "app/sdl/options.h"
#include "app/sdl/pads.h"
#include "app/sdl/presenter.h"
#include "app/sdl/sdl_events.h"
#include "app/sdl/sprite_surfaces.h"
#include "app/sdl/view_fit.h"
#include "app/sdl/window_screen.h"
#include "app/texts.h"
#include "app/version.h"
#include "render/client_area.h"

#ifdef VANTORIX_X11_ERROR_FILTER
#include "app/sdl/x11_error_filter.h"
#endif

namespace vantorix::sdl {

namespace {

// The video drivers that show no window run the game only with this set.
constexpr const char* kHeadlessOptIn = "VANTORIX_ALLOW_HEADLESS";
constexpr const char* kReportVariable = "VANTORIX_PACING_REPORT";
constexpr long kLongestReport = 3600;

int fail(const char* what) {
  std::fprintf(stderr, "vantorix: %s: %s\n", what, SDL_GetError());
  return 1;
}

bool set(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

bool headless(const char* driver) {
  return driver != nullptr &&
         (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
}

// Seconds of ticking to measure; 0 for none, -1 for a value that is no such
// number.
int reportSeconds() {
  const char* value = std::getenv(kReportVariable);
  if (value == nullptr || *value == '\0') return 0;
  char* end = nullptr;
  errno = 0;
  const long seconds = std::strtol(value, &end, 10);
  if (errno != 0 || *end != '\0' || seconds < 1 || seconds > kLongestReport) return -1;
  return static_cast<int>(seconds);
}

struct SdlVideo {
  bool ready = SDL_Init(SDL_INIT_VIDEO) == 0;
  ~SdlVideo() { SDL_Quit(); }
};

struct OwnedWindow {
  SDL_Window* window;
  ~OwnedWindow() {
    if (window != nullptr) SDL_DestroyWindow(window);
  }
};

struct OwnedSurface {
  SDL_Surface* surface;
  ~OwnedSurface() { SDL_FreeSurface(surface); }
};

int runProgram(const Options& options) {
  const int seconds = reportSeconds();
  if (seconds < 0) {
    std::fprintf(stderr, "vantorix: %s must be a number of seconds from 1 to %ld\n",
                 kReportVariable, kLongestReport);
    return 2;
  }
  FileRecording file;
  RecordingSink* recording = nullptr;
  if (options.mode == Options::Mode::kRecord) {
    std::string error;
    if (!file.open(options.file, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 2;
    }
    recording = &file;
  }
  ReplayFile replay;
  if (options.mode == Options::Mode::kReplay) {
    std::string error;
    if (!replay.open(options.file, options.file, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 2;
    }
  }
  const char* requested = std::getenv("SDL_VIDEODRIVER");
  const bool chosen = requested != nullptr && *requested != '\0';
#if !defined(__APPLE__)
  // Without a display SDL would go on to drivers that show nothing; say so
  // plainly instead.
  if (!chosen && !set("DISPLAY") && !set("WAYLAND_DISPLAY")) {
    std::fprintf(stderr,
                 "vantorix: cannot open a window: no display (neither DISPLAY nor "
                 "WAYLAND_DISPLAY is set)\n");
    return 1;
  }
#endif
#ifdef VANTORIX_X11_ERROR_FILTER
  filterLostWakeUpErrors();
#endif
  const SdlVideo video;
  if (!video.ready) return fail("cannot open a window");
  const char* driver = SDL_GetCurrentVideoDriver();
  if (headless(driver) && !set(kHeadlessOptIn)) {
    if (chosen) {
      std::fprintf(stderr,
                   "vantorix: cannot open a window: the \"%s\" video driver shows none "
                   "(%s=1 runs on it anyway)\n",
                   driver, kHeadlessOptIn);
    } else {
      const char* display = std::getenv("DISPLAY");
      const char* wayland = std::getenv("WAYLAND_DISPLAY");
      std::fprintf(stderr,
                   "vantorix: cannot open a window: no display could be opened (DISPLAY=%s, "
                   "WAYLAND_DISPLAY=%s)\n",
                   display != nullptr ? display : "", wayland != nullptr ? wayland : "");
    }
    return 1;
  }

  const std::string title(texts::kWindowTitle);
  constexpr int kWindowHeight = kMenuBarHeight + kClientHeight;
  const OwnedWindow window{SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED,
                                            SDL_WINDOWPOS_UNDEFINED, kClientWidth, kWindowHeight,
                                            SDL_WINDOW_RESIZABLE)};
  if (window.window == nullptr) return fail("cannot open a window");
  SDL_SetWindowMinimumSize(window.window, kSmallestWindowWidth, kSmallestWindowHeight);

  Presenter presenter(window.window);
  if (!presenter.open()) return fail("cannot draw into the window");
  SpriteSurfaces sprites;
  if (!sprites.load(presenter.pixelFormat())) return fail("cannot prepare the sprites");
  const auto clientPicture = [&presenter] {
    return SDL_CreateRGBSurfaceWithFormat(0, kClientWidth, kClientHeight,
                                          SDL_BITSPERPIXEL(presenter.pixelFormat()),
                                          presenter.pixelFormat());
  };
  const OwnedSurface field{clientPicture()};
  const OwnedSurface boxLayer{clientPicture()};
  if (field.surface == nullptr || boxLayer.surface == nullptr) {
    return fail("cannot make the picture");
  }
  SDL_SetWindowIcon(window.window, sprites.surface(Sprite::kPlayerShip));

  // Without pads the game still plays from the keyboard.
  Pads pads;
  if (!pads.open()) std::fprintf(stderr, "vantorix: gamepads cannot be used: %s\n", SDL_GetError());

  const bool replaying = options.mode == Options::Mode::kReplay;
  SdlEvents events(pads);
  WindowScreen screen(window.window, presenter, sprites, field.surface, boxLayer.surface);
  Loop loop(events, screen, recording, replaying ? &replay.player() : nullptr, seconds);
  const int code = loop.run();
  if (code < 0) return 1;
  // A replay that stops short says why.
  if (replaying) {
    if (const std::string report = replay.report(); !report.empty()) {
      std::fprintf(stderr, "%s\n", report.c_str());
    }
    return replay.player().outcome().exitStatus();
  }
  return code == 0 && file.failed() ? kRecordingFailedExit : code;
}

}  // namespace

}  // namespace vantorix::sdl

int main(int argc, char* argv[]) {
  using vantorix::sdl::Options;
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  Options options;
  if (!vantorix::sdl::parseOptions(arguments, options)) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(vantorix::sdl::kUsage.size()),
                 vantorix::sdl::kUsage.data());
    return 2;
  }
  if (options.mode == Options::Mode::kVersion) {
    std::printf("vantorix %.*s\n", static_cast<int>(vantorix::kVersion.size()),
                vantorix::kVersion.data());
    return 0;
  }
  return vantorix::sdl::runProgram(options);
}
