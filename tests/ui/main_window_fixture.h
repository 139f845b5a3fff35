// A live main window for one test, over the program's real file and settings-file seams in
// a fresh directory, and the helpers the window tests share.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/disk_program_files.h"
#include "core/preset_store.h"
#include "core/windows_profile_file.h"
#include "tests/support/temp_dir.h"
#include "ui/main_window.h"

namespace velmora::test {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Destroys the window and drops what it left in the queue, WM_QUIT included, so that the
  // next test in the same process starts clean.
  void TearDown() override;

  HWND Window() const { return window_.hwnd(); }
  HWND Item(int id) const { return GetDlgItem(window_.hwnd(), id); }

  // Handles the messages waiting now, keys through the window first as the program's loop
  // does. Notes WM_QUIT in quit_.
  void Pump();
  // Pumps, waiting for more messages, until `done` holds or the time is up.
  bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms = 5000);

  TempDir directory_;
  DiskProgramFiles files_{directory_.path()};
  WindowsProfileFile settings_{kSettingsFileName, directory_.path()};
  MainWindow window_{files_, settings_};
  bool quit_ = false;
};

// Runs `tick` every few milliseconds on this thread while alive, also inside the nested
// message loops of message boxes and popup menus. One at a time.
class EveryTick {
 public:
  explicit EveryTick(std::function<void()> tick);
  ~EveryTick();
  EveryTick(const EveryTick&) = delete;
  EveryTick& operator=(const EveryTick&) = delete;

 private:
  UINT_PTR timer_;
};

// The visible windows of this thread with the class name (e.g. "#32770", "#32768").
std::vector<HWND> ThreadWindowsOfClass(const wchar_t* class_name);

// A message box the thread showed, answered with OK.
struct SeenMessageBox {
  Text title;  // GBK
  Text text;   // GBK
  HWND owner;
  bool main_window_enabled;  // while the box was open
  HICON icon;
};

// While alive, presses OK on every message box of the thread and records it.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(HWND main_window);
  const std::vector<SeenMessageBox>& seen() const { return seen_; }

 private:
  HWND main_window_;
  std::vector<SeenMessageBox> seen_;
  std::vector<HWND> answered_;
  EveryTick tick_;
};

}  // namespace velmora::test
