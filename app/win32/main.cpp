// The Windows program's entry point: the window, the sprites, the message loop.
#include "app/win32/shell.h"
#include "app/win32/window.h"
#include "app/win32/windows_api.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int showCommand) {
  using namespace vantorix::win32;
  if (!registerWindowClass(instance)) return 0;
  Shell shell;
  const HWND window = createGameWindow(instance, shell);
  // Without a window no message would ever come: end at once, as when the
  // class cannot be registered.
  if (window == nullptr) return 0;
  shell.loadSprites(instance);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) != 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
