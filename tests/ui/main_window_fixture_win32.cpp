#include "tests/ui/main_window_fixture.h"

#include <algorithm>

#include "ui/win32_window_seam.h"

namespace velmora::test {

void MainWindowTest::SetUp() {
  ASSERT_TRUE(window_.Create(GetModuleHandleW(nullptr), SW_SHOW));
  Pump();
}

void MainWindowTest::TearDown() {
  if (IsWindow(Window())) DestroyWindow(Window());
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

void MainWindowTest::Pump() {
  MSG message;
  while (!quit_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit_ = true;
      break;
    }
    if (window_.TranslateKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool MainWindowTest::PumpUntil(const std::function<bool()>& done, DWORD timeout_ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    Pump();
    if (done()) return true;
    if (GetTickCount() - start > timeout_ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

namespace {

std::function<void()>* g_tick = nullptr;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_tick) (*g_tick)();
}

// The icon a message box shows: the one static control that holds an icon.
HICON IconOf(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    wchar_t name[16];
    GetClassNameW(child, name, ARRAYSIZE(name));
    if (lstrcmpiW(name, L"Static") == 0 && icon) return icon;
  }
  return nullptr;
}

}  // namespace

EveryTick::EveryTick(std::function<void()> tick) {
  g_tick = new std::function<void()>(std::move(tick));
  timer_ = SetTimer(nullptr, 0, 20, OnTimer);
}

EveryTick::~EveryTick() {
  KillTimer(nullptr, timer_);
  delete g_tick;
  g_tick = nullptr;
}

namespace {

struct ClassSearch {
  const wchar_t* class_name;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectOfClass(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ClassSearch*>(param);
  wchar_t name[32];
  if (IsWindowVisible(hwnd) && GetClassNameW(hwnd, name, ARRAYSIZE(name)) &&
      lstrcmpW(name, search->class_name) == 0) {
    search->found.push_back(hwnd);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> ThreadWindowsOfClass(const wchar_t* class_name) {
  ClassSearch search{class_name, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

MessageBoxAnswerer::MessageBoxAnswerer(HWND main_window)
    : main_window_(main_window), tick_([this] {
        for (HWND box : ThreadWindowsOfClass(L"#32770")) {
          if (std::find(answered_.begin(), answered_.end(), box) != answered_.end()) continue;
          answered_.push_back(box);
          // The text of a message box is the static control with id 0xFFFF.
          seen_.push_back({HwndGetText(box), HwndGetText(GetDlgItem(box, 0xFFFF)),
                           GetWindow(box, GW_OWNER), IsWindowEnabled(main_window_) != FALSE,
                           IconOf(box)});
          PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
        }
      }) {}

}  // namespace velmora::test
