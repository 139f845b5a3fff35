#include "tests/e2e/program_under_test.h"

#include <vector>

#include "core/codepage.h"
#include "tests/support/gbk.h"

namespace velmora::test {

namespace {

// Wine puts these ids on the icon and on the text of a message box.
constexpr int kMessageIconId = 1088;
constexpr int kMessageTextId = 0xFFFF;
constexpr int kComboLeft = 203, kComboTop = 105;

std::wstring ProgramPath(const TempDir& directory) {
  return directory.PathOf("\\velmora.exe").wstring();
}

std::string WindowText(HWND window) {
  const int length = static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return GbkFromWide(text);
}

struct TopWindowSearch {
  DWORD process_id;
  const wchar_t* class_name;
  HWND found;
};

BOOL CALLBACK FindTopWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TopWindowSearch*>(param);
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  wchar_t class_name[64] = {};
  GetClassNameW(window, class_name, 64);
  if (process_id != search->process_id || !IsWindowVisible(window)) return TRUE;
  if (lstrcmpW(class_name, search->class_name) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

HWND WaitForTopWindow(DWORD process_id, const wchar_t* class_name, unsigned timeout_ms) {
  const DWORD start = GetTickCount();
  do {
    TopWindowSearch search = {process_id, class_name, nullptr};
    EnumWindows(FindTopWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  } while (GetTickCount() - start < timeout_ms);
  return nullptr;
}

// 32x32 pixels of a device context.
std::vector<COLORREF> Pixels(HDC dc, int left, int top) {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) pixels.push_back(GetPixel(dc, left + x, top + y));
  }
  return pixels;
}

// A system icon drawn here on the dialog colour, as a message box draws it.
std::vector<COLORREF> SystemIconPixels(LPCWSTR icon) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
  HGDIOBJ old = SelectObject(memory, bitmap);
  RECT all = {0, 0, 32, 32};
  FillRect(memory, &all, GetSysColorBrush(COLOR_3DFACE));
  DrawIconEx(memory, 0, 0, LoadIconW(nullptr, icon), 32, 32, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> pixels = Pixels(memory, 0, 0);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Icon handles mean nothing in another process, so the icon is told by its pixels.
unsigned IconShown(HWND box) {
  HWND icon = GetDlgItem(box, kMessageIconId);
  if (!icon || !IsWindowVisible(icon)) return 0;
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT rect;
  GetWindowRect(icon, &rect);
  HDC screen = GetDC(nullptr);
  const std::vector<COLORREF> shown = Pixels(screen, rect.left, rect.top);
  ReleaseDC(nullptr, screen);
  if (shown == SystemIconPixels(MAKEINTRESOURCEW(32513))) return MB_ICONSTOP;  // IDI_HAND
  if (shown == SystemIconPixels(MAKEINTRESOURCEW(32516))) return MB_ICONINFORMATION;
  return 0;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(const TempDir& directory) {
  const std::wstring path = ProgramPath(directory);
  if (!CopyFileW(VELMORA_EXE, path.c_str(), FALSE)) return;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  std::wstring command_line = L"\"" + path + L"\"";
  if (!CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process_)) {
    return;
  }
  WaitForInputIdle(process_.hProcess, 15000);
  const DWORD start = GetTickCount();
  const std::wstring title = WideFromGbk(Gbk("Velmora本地网络设置V1.3"));
  while (!window_ && GetTickCount() - start < 15000) {
    HWND candidate = FindWindowW(nullptr, title.c_str());
    DWORD owner = 0;
    GetWindowThreadProcessId(candidate, &owner);
    if (candidate && owner == process_.dwProcessId && IsWindowVisible(candidate)) {
      window_ = candidate;
    } else {
      Sleep(50);
    }
  }
}

ProgramUnderTest::~ProgramUnderTest() {
  if (!process_.hProcess) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND ProgramUnderTest::ControlAt(int left, int top) const {
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect;
    GetWindowRect(child, &rect);
    POINT corner = {rect.left, rect.top};
    ScreenToClient(window_, &corner);
    if (corner.x == left && corner.y == top) return child;
  }
  return nullptr;
}

std::string ProgramUnderTest::TextAt(int left, int top) const {
  return WindowText(ControlAt(left, top));
}

void ProgramUnderTest::SetTextAt(int left, int top, const std::string& gbk) {
  const std::wstring text = WideFromGbk(gbk);
  SendMessageW(ControlAt(left, top), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ProgramUnderTest::Choose(int index) {
  HWND combo = ControlAt(kComboLeft, kComboTop);
  SendMessageW(combo, CB_SETCURSEL, index, 0);
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELENDOK),
               reinterpret_cast<LPARAM>(combo));
  Settle();
}

void ProgramUnderTest::ClickAt(int left, int top) {
  PostMessageW(ControlAt(left, top), BM_CLICK, 0, 0);
}

bool ProgramUnderTest::ClickAndWait(int left, int top, unsigned timeout_ms) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(ControlAt(left, top), BM_CLICK, 0, 0, SMTO_NORMAL, timeout_ms,
                             &ignored) != 0;
}

namespace {

void SendMouse(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

void SendKey(WORD key) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof input[0]);
}

}  // namespace

std::optional<POINT> ProgramUnderTest::PressForMenu(int left, int top) {
  HWND control = ControlAt(left, top);
  RECT rect;
  GetWindowRect(control, &rect);
  // The middle of the part of the control that shows inside the client area.
  POINT pointer = {(rect.left + rect.right) / 2, rect.bottom - 6};
  SetCursorPos(pointer.x, pointer.y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  HWND menu = WaitForTopWindow(process_.dwProcessId, L"#32768", 10000);
  SendMouse(MOUSEEVENTF_LEFTUP);
  if (!menu) return std::nullopt;
  GetWindowRect(menu, &rect);
  return POINT{rect.left - pointer.x, rect.top - pointer.y};
}

void ProgramUnderTest::ChooseMenuItem(int n) {
  for (int i = 0; i < n; ++i) SendKey(VK_DOWN);
  SendKey(VK_RETURN);
}

void ProgramUnderTest::Settle() const {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

std::optional<SeenMessage> ProgramUnderTest::NextMessage(unsigned timeout_ms) {
  HWND box = WaitForTopWindow(process_.dwProcessId, L"#32770", timeout_ms);
  if (!box) return std::nullopt;
  Sleep(200);  // let it draw
  SeenMessage seen = {WindowText(box), WindowText(GetDlgItem(box, kMessageTextId)), IconShown(box),
                      !IsWindowEnabled(window_)};
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  const DWORD start = GetTickCount();
  while (IsWindow(box) && GetTickCount() - start < 5000) Sleep(20);
  return seen;
}

bool ProgramUnderTest::WaitForExit(unsigned timeout_ms) {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, timeout_ms) == WAIT_OBJECT_0;
}

}  // namespace velmora::test
