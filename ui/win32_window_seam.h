// The commands' view of the live main window, and the thin GBK helpers on window handles
// that it and the window's creation code share. Texts cross into the system as wide
// characters, so they come out right whatever the system's ANSI code page is.
#pragma once

#include <windows.h>

#include "ui/window_seam.h"

namespace velmora {

// A window's text as GBK.
Text HwndGetText(HWND hwnd);
void HwndSetText(HWND hwnd, const Text& gbk);
// Appends an entry to a combo box's list.
void CbAddString(HWND combo, const Text& gbk);

class Win32WindowSeam : public WindowSeam {
 public:
  // The main window is attached once it exists; its controls are found by their ids.
  void Attach(HWND window) { window_ = window; }

  Text GetText(Control control) override;
  void SetText(Control control, const Text& text) override;
  int SelectedIndex() override;
  void Enable(Control control, bool enabled) override;
  // Posts WM_CLOSE: the window goes once the current message has been handled.
  void PostDestroy() override;
  void ShowMessage(const Text& text, const Text& title, MessageIcon icon) override;
  void OpenAddress(const Text& address) override;

 private:
  HWND ControlWindow(Control control) const;

  HWND window_ = nullptr;
};

}  // namespace velmora
