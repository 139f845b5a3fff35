// What the benchmark's yardsticks share: a class of their own, one window that closes on
// Esc and the message loop. The program's window closes on Esc too, which the timer sends.
#pragma once

#include <windows.h>

namespace velmora::bench {

struct YardstickWindow {
  const wchar_t* class_name;
  const wchar_t* title;
  DWORD style;
  DWORD ex_style;
  int width, height;
  // Fills the new window; false stops its creation. May be null.
  bool (*create_contents)(HWND window, HINSTANCE instance);
};

inline LRESULT CALLBACK YardstickProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      const auto* yardstick = static_cast<const YardstickWindow*>(create->lpCreateParams);
      const bool made =
          !yardstick->create_contents || yardstick->create_contents(window, create->hInstance);
      return made ? 0 : -1;
    }
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) DestroyWindow(window);
      return 0;
    case WM_DESTROY:  // the last window is gone: leave the message loop
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

inline int RunYardstick(HINSTANCE instance, int show, const YardstickWindow& yardstick) {
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = YardstickProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = yardstick.class_name;
  if (!RegisterClassW(&window_class)) return 1;
  HWND window =
      CreateWindowExW(yardstick.ex_style, yardstick.class_name, yardstick.title, yardstick.style,
                      CW_USEDEFAULT, CW_USEDEFAULT, yardstick.width, yardstick.height, nullptr,
                      nullptr, instance, const_cast<YardstickWindow*>(&yardstick));
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace velmora::bench
