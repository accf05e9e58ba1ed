#include "app/win32/window.h"

#include "app/texts.h"
#include "render/client_area.h"

namespace vantorix::win32 {

namespace {

constexpr const char* kClassName = "MyWindowClass";
constexpr const char* kMenuName = "MYMENU";
constexpr const char* kIconName = "icon1.ico";
// A caption with the system menu and close box; no sizing border, no
// minimise or maximise box, so the user cannot change the window's size. The
// system gives every overlapped window its caption anyway; naming it here
// lets the same style size the window.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// The title goes to the system as it stands: plain ASCII, terminated.
static_assert(texts::kWindowTitle.data()[texts::kWindowTitle.size()] == '\0');

Shell* shellOf(HWND window) {
  return reinterpret_cast<Shell*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    // The first message that carries the creation data; a few size queries
    // come before it and go to the system like any message without a shell.
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    auto* shell = static_cast<Shell*>(create->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(shell));
    if (shell != nullptr) shell->attach(window);
  }
  Shell* shell = shellOf(window);
  if (shell == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      shell->command(LOWORD(wParam));
      return 0;
    case WM_TIMER:
      shell->timer();  // any timer of this window is a game tick
      return 0;
    case WM_KEYDOWN:
      shell->keyDown(static_cast<int>(wParam));
      return 0;
    case WM_DESTROY:
      shell->destroy();
      return 0;
    case WM_PAINT:
      shell->paint();
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

bool registerWindowClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = 0;
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = 0;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, kIconName);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszMenuName = kMenuName;
  windowClass.lpszClassName = kClassName;
  windowClass.hIconSm = LoadIconA(instance, kIconName);
  return RegisterClassExA(&windowClass) != 0;
}

HWND createGameWindow(HINSTANCE instance, Shell& shell) {
  // The caption and the menu bar lie outside the client area; ask the system
  // how much they take.
  RECT bounds{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&bounds, kWindowStyle, TRUE, 0);
  return CreateWindowExA(0, kClassName, texts::kWindowTitle.data(), kWindowStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, bounds.right - bounds.left, bounds.bottom - bounds.top,
                         nullptr, nullptr, instance, &shell);
}

}  // namespace vantorix::win32
