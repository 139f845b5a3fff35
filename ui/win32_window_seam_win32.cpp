#include "ui/win32_window_seam.h"

#include "core/codepage.h"
#include "core/shell_win32.h"
#include "ui/main_window_layout.h"

namespace velmora {

Text HwndGetText(HWND hwnd) {
  std::wstring wide(GetWindowTextLengthW(hwnd) + 1, L'\0');
  wide.resize(GetWindowTextW(hwnd, wide.data(), static_cast<int>(wide.size())));
  return GbkFromWide(wide);
}

void HwndSetText(HWND hwnd, const Text& gbk) { SetWindowTextW(hwnd, WideFromGbk(gbk).c_str()); }

void CbAddString(HWND combo, const Text& gbk) {
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromGbk(gbk).c_str()));
}

HWND Win32WindowSeam::ControlWindow(Control control) const {
  return GetDlgItem(window_, layout::IdOf(control));
}

Text Win32WindowSeam::GetText(Control control) { return HwndGetText(ControlWindow(control)); }

void Win32WindowSeam::SetText(Control control, const Text& text) {
  HwndSetText(ControlWindow(control), text);
}

int Win32WindowSeam::SelectedIndex() {
  return static_cast<int>(SendMessageW(ControlWindow(Control::kCombo), CB_GETCURSEL, 0, 0));
}

void Win32WindowSeam::Enable(Control control, bool enabled) {
  EnableWindow(ControlWindow(control), enabled);
}

void Win32WindowSeam::PostDestroy() { PostMessageW(window_, WM_CLOSE, 0, 0); }

void Win32WindowSeam::ShowMessage(const Text& text, const Text& title, MessageIcon icon) {
  MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk(title).c_str(),
              MB_OK | static_cast<UINT>(icon) | MB_TASKMODAL);
}

void Win32WindowSeam::OpenAddress(const Text& address) {
  ShellOpen(L"open", WideFromGbk(address).c_str(), nullptr);
}

}  // namespace velmora
