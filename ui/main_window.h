// The program's one window: built from its layout, it runs the command each of its events
// is bound to and removes the script file when it is destroyed.
#pragma once

#include <windows.h>

#include "core/program_files.h"
#include "core/profile_strings.h"
#include "ui/commands.h"
#include "ui/win32_window_seam.h"

namespace velmora {

class MainWindow {
 public:
  // The files beside the program and the settings file, handed to every command.
  MainWindow(ProgramFiles& files, ProfileStrings& settings_file);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window with its controls, centred on the screen, switches on the flat
  // drawing and shows the window. False when the window could not be made.
  bool Create(HINSTANCE instance, int show_command);
  HWND hwnd() const { return hwnd_; }

  // Keys the window takes before the focused control sees them: Esc closes the window as
  // Exit does (unless the control wants it, as a dropped-down combo box does), Tab moves
  // between the controls. True when the message was used up.
  bool TranslateKeys(MSG& message);
  // Runs the thread's messages until the window has been destroyed; the exit code.
  int RunMessageLoop();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  BOOL OnCreate(HWND hwnd, LPCREATESTRUCT create);
  void OnCommand(HWND hwnd, int id, HWND control, UINT code);
  void OnLButtonDown(HWND hwnd, BOOL double_click, int x, int y, UINT key_flags);
  void OnPresetChosen(HWND hwnd);
  void OnDestroy(HWND hwnd);

  bool CreateControls(HWND hwnd, HINSTANCE instance);
  void ShowPopupMenu(HWND hwnd);

  Win32WindowSeam window_seam_;
  CommandSeams seams_;
  HWND hwnd_ = nullptr;
  HFONT version_font_ = nullptr;
};

}  // namespace velmora
