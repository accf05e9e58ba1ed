// The Windows program's entry point: the command line, the window, the
// sprites, the message loop.
#include <string>

#include "app/win32/error_box.h"
#include "app/win32/file_recording.h"
#include "app/win32/options.h"
#include "app/win32/replay.h"
#include "app/win32/shell.h"
#include "app/win32/window.h"
#include "app/win32/windows_api.h"
#include "script/player.h"

namespace vantorix::win32 {

namespace {

// The window and its message loop; returns the quit message's code.
int runWindow(HINSTANCE instance, int showCommand, Shell& shell, WindowReplay* replay) {
  if (!registerWindowClass(instance)) return 0;
  const HWND window = createGameWindow(instance, shell);
  // Without a window no message would ever come: end at once, as when the
  // class cannot be registered.
  if (window == nullptr) return 0;
  shell.loadSprites(instance);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  if (replay != nullptr) replay->begin();
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) != 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

int record(HINSTANCE instance, int showCommand, const std::wstring& path) {
  FileRecording file;
  std::string error;
  if (!file.open(path, error)) {
    showError(error);
    return kMalformedScriptExit;
  }
  Shell shell(&file);
  const int code = runWindow(instance, showCommand, shell, nullptr);
  if (code != 0 || !file.failed()) return code;
  showError(file.problem());
  return kRecordingFailedExit;
}

int replay(HINSTANCE instance, int showCommand, const std::wstring& path) {
  WindowReplay replay;
  std::string error;
  if (!replay.open(path, error)) {
    showError(error);
    return kMalformedScriptExit;
  }
  Shell shell(nullptr, &replay);
  runWindow(instance, showCommand, shell, &replay);
  return replay.finish();
}

}  // namespace

}  // namespace vantorix::win32

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int showCommand) {
  using namespace vantorix::win32;
  Options options;
  if (!readCommandLine(options)) {
    showError(kUsage);
    return vantorix::kMalformedScriptExit;
  }
  switch (options.mode) {
    case Options::Mode::kRecord:
      return record(instance, showCommand, options.file);
    case Options::Mode::kReplay:
      return replay(instance, showCommand, options.file);
    case Options::Mode::kPlay:
      break;
  }
  Shell shell;
  return runWindow(instance, showCommand, shell, nullptr);
}
