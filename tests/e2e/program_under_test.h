// The shipped program, started alone in a program directory of the test's own and driven
// from outside through its window only, as a user (or a screen reader) would.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/support/temp_dir.h"

namespace velmora::test {

// A message box the program showed.
struct SeenMessage {
  std::string title;     // GBK
  std::string text;      // GBK
  unsigned icon;         // MessageBox flag of the icon shown: 16 stop, 64 information, 0 other
  bool window_disabled;  // the main window was disabled while it showed (task-modal)
};

class ProgramUnderTest {
 public:
  // Copies the program into `directory` and starts it there; waits for its window.
  explicit ProgramUnderTest(const TempDir& directory);
  ~ProgramUnderTest();  // ends the program if it still runs
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  HWND window() const { return window_; }
  // The control whose top-left corner stands at (left, top) of the client area.
  HWND ControlAt(int left, int top) const;

  std::string TextAt(int left, int top) const;  // GBK
  void SetTextAt(int left, int top, const std::string& gbk);
  // Picks a list entry of the preset combo box, as its drop-down list does.
  void Choose(int index);
  // Presses a button; the command may show a message box, so this does not wait for it.
  void ClickAt(int left, int top);
  // Presses a button and waits for its command; false when the command is still running
  // after `timeout_ms` (it shows a message box).
  bool ClickAndWait(int left, int top, unsigned timeout_ms = 3000);
  bool IsEnabledAt(int left, int top) const { return IsWindowEnabled(ControlAt(left, top)); }

  // Presses the left mouse button on the control and gives the top-left corner of the
  // popup menu that opened, relative to the pointer; the button is released afterwards.
  std::optional<POINT> PressForMenu(int left, int top);
  // Chooses the n-th item (from 1) of the open popup menu with the keyboard.
  void ChooseMenuItem(int n);
  // Waits until the program has handled everything sent and posted to it so far.
  void Settle() const;

  // The next message box, closed with its OK button once read.
  std::optional<SeenMessage> NextMessage(unsigned timeout_ms = 15000);
  bool WaitForExit(unsigned timeout_ms = 15000);

 private:
  PROCESS_INFORMATION process_ = {};
  HWND window_ = nullptr;
};

}  // namespace velmora::test
