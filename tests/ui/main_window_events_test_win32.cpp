// The window's event bindings, driven through the controls' own notifications, keys and
// mouse input, down to the files and the launches they cause.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/config_script.h"
#include "core/preset_store.h"
#include "tests/support/gbk.h"
#include "tests/support/windows_programs.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/main_window_layout.h"
#include "ui/win32_window_seam.h"

namespace velmora::test {
namespace {

using namespace layout;

constexpr int kBoxIds[kSettingCount] = {kEdit1Id, kEdit2Id, kEdit3Id, kEdit4Id, kEdit5Id};

class MainWindowEventsTest : public MainWindowTest {
 protected:
  Settings Boxes() const {
    Settings values;
    for (int i = 0; i < kSettingCount; ++i) values[i] = HwndGetText(Item(kBoxIds[i]));
    return values;
  }
  void FillBoxes(const Settings& values) {
    for (int i = 0; i < kSettingCount; ++i) HwndSetText(Item(kBoxIds[i]), values[i]);
  }
  bool SaveEnabled() const { return IsWindowEnabled(Item(kSaveId)) != FALSE; }

  // Selects the entry and tells the window as the combo box does when a choice ends.
  void Choose(int index) {
    SendMessageW(Item(kComboId), CB_SETCURSEL, index, 0);
    SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(kComboId, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(Item(kComboId)));
  }
  void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }

  bool Closed() {
    Pump();
    return !IsWindow(Window()) && quit_;
  }
};

const Settings kSlot1 = {"10.0.0.2", "255.0.0.0", "10.0.0.1", "1.1.1.1", ""};

TEST_F(MainWindowEventsTest, ChosenPresetFillsTheBoxesOnlyAfterTheNotificationReturned) {
  SaveSlot("1", kSlot1, settings_);
  struct Step {
    int index;
    Settings boxes;
    bool save_enabled;
  };
  const Step steps[] = {
      {0, {"192.168.1.133", "255.255.255.0", "192.168.1.1", "8.8.8.8", "8.8.4.4"}, false},
      {2, kSlot1, true},
      {1,
       {"192.168.1.133", "255.255.255.0", "192.168.1.1", "202.103.24.68", "202.103.0.68"},
       false},
      {3, {"", "", "", "", ""}, true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.index);
    const Settings before = Boxes();
    Choose(step.index);
    EXPECT_EQ(Boxes(), before);  // posted: nothing yet
    Pump();
    EXPECT_EQ(Boxes(), step.boxes);
    EXPECT_EQ(SaveEnabled(), step.save_enabled);
  }
}

TEST_F(MainWindowEventsTest, OtherComboNotificationsRunNothing) {
  SendMessageW(Item(kComboId), CB_SETCURSEL, 0, 0);
  for (UINT code : {CBN_SELCHANGE, CBN_SELENDCANCEL, CBN_EDITCHANGE, CBN_CLOSEUP}) {
    SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(kComboId, code),
                 reinterpret_cast<LPARAM>(Item(kComboId)));
  }
  Pump();
  EXPECT_EQ(Boxes(), InitialSettings());
}

TEST_F(MainWindowEventsTest, HelpEntryOpensTheHelpPage) {
  LaunchLog launches;
  Choose(4);
  Pump();
  const std::vector<std::string> seen = launches.WaitFor(1);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_NE(seen[0].find("/thread-12518-1-1.html"), std::string::npos) << seen[0];
  EXPECT_FALSE(SaveEnabled());
}

TEST_F(MainWindowEventsTest, ApplyButtonWithoutPreferredDnsShowsTheErrorAndWritesNoScript) {
  LaunchLog launches;
  MessageBoxAnswerer boxes(Window());
  Click(kApplyId);
  ASSERT_EQ(boxes.seen().size(), 1u);
  EXPECT_EQ(boxes.seen()[0].title, Gbk(u8"错误！"));
  EXPECT_EQ(boxes.seen()[0].text, Gbk(u8"修改错误！请填写首选DNS服务器"));
  EXPECT_EQ(boxes.seen()[0].owner, nullptr);
  EXPECT_FALSE(boxes.seen()[0].main_window_enabled);  // task-modal
  EXPECT_TRUE(IsWindowEnabled(Window()));
  EXPECT_FALSE(directory_.Exists(kScriptFileName));
  EXPECT_EQ(launches.WaitFor(1).size(), 1u);  // the help page
}

TEST_F(MainWindowEventsTest, ApplyButtonWritesAndLaunchesTheScriptThenSaysSo) {
  LaunchLog launches;
  MessageBoxAnswerer boxes(Window());
  const Settings values = {"10.1.1.5", "255.255.0.0", "10.1.0.1", "114.114.114.114", ""};
  FillBoxes(values);
  Click(kApplyId);
  EXPECT_EQ(directory_.Read(kScriptFileName), BuildScript(values));
  const std::vector<std::string> seen = launches.WaitFor(1);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_NE(seen[0].find(".VBS"), std::string::npos) << seen[0];
  ASSERT_EQ(boxes.seen().size(), 1u);
  EXPECT_EQ(boxes.seen()[0].title, Gbk(u8"成功！"));
  EXPECT_EQ(boxes.seen()[0].text, Gbk(u8"修改成功！请查看本地连接"));
}

TEST_F(MainWindowEventsTest, SaveButtonStoresTheBoxesInTheChosenSlot) {
  Choose(3);
  Pump();
  const Settings edited = {"172.16.0.9", "255.255.0.0", "172.16.0.1", "9.9.9.9", "149.112.112.112"};
  FillBoxes(edited);
  Click(kSaveId);
  EXPECT_EQ(LoadSlot("2", settings_), edited);
  EXPECT_EQ(LoadSlot("1", settings_), Settings{});
}

// However the window goes, the script file beside the program goes with it, and nothing else.
struct CloseCase {
  const char* name;
  void (*close)(HWND window);
};

class ClosingTest : public MainWindowEventsTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingTest, RemovesTheScriptFileOnlyAndEndsTheLoop) {
  directory_.Write(kScriptFileName, "old script");
  directory_.Write("\\other.txt", "kept");
  GetParam().close(Window());
  EXPECT_TRUE(PumpUntil([this] { return Closed(); }));
  EXPECT_FALSE(directory_.Exists(kScriptFileName));
  EXPECT_TRUE(directory_.Exists("\\other.txt"));
}

const CloseCase kCloseCases[] = {
    {"EscInAnEditBox",
     [](HWND window) {
       HWND edit = GetDlgItem(window, kEdit4Id);
       SetFocus(edit);
       PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
     }},
    {"ExitMenuItem",
     [](HWND window) { PostMessageW(window, WM_COMMAND, MAKEWPARAM(kMenuExitId, 0), 0); }},
    {"DestroyedBySystem", [](HWND window) { DestroyWindow(window); }},
};

INSTANTIATE_TEST_SUITE_P(ByRoute, ClosingTest, ::testing::ValuesIn(kCloseCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Esc closes the window only when pressed alone and not taken by the control.
struct EscCase {
  const char* name;
  BYTE modifier;  // held down, 0 for none
  bool list_dropped;
};

class KeptOpenTest : public MainWindowEventsTest, public ::testing::WithParamInterface<EscCase> {};

TEST_P(KeptOpenTest, EscDoesNotCloseTheWindow) {
  HWND target = Item(kEdit1Id);
  if (GetParam().list_dropped) {
    SendMessageW(Item(kComboId), CB_SHOWDROPDOWN, TRUE, 0);
    target = GetWindow(Item(kComboId), GW_CHILD);  // the combo box's edit field
  }
  SetFocus(target);
  BYTE keys[256];
  GetKeyboardState(keys);
  BYTE held[256];
  std::copy(keys, keys + 256, held);
  if (GetParam().modifier) held[GetParam().modifier] = 0x80;
  SetKeyboardState(held);
  PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  EXPECT_FALSE(PumpUntil([this] { return Closed(); }, 300));
  EXPECT_TRUE(IsWindow(Window()));
  SetKeyboardState(keys);
}

const EscCase kKeptOpenCases[] = {
    {"WithShift", VK_SHIFT, false},
    {"WithCtrl", VK_CONTROL, false},
    {"IntoTheDroppedDownList", 0, true},
};

INSTANTIATE_TEST_SUITE_P(ByKey, KeptOpenTest, ::testing::ValuesIn(kKeptOpenCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Enter keeps the focus where it is and runs nothing; Tab walks the controls.
struct FocusCase {
  const char* name;
  WPARAM key;
  int from_id;
  int to_id;
};

class FocusKeyTest : public MainWindowEventsTest,
                     public ::testing::WithParamInterface<FocusCase> {};

TEST_P(FocusKeyTest, MovesTheFocusAsTheTableSays) {
  SetFocus(Item(GetParam().from_id));
  PostMessageW(Item(GetParam().from_id), WM_KEYDOWN, GetParam().key, 0x00010001);
  Pump();
  EXPECT_EQ(GetFocus(), Item(GetParam().to_id));
  EXPECT_TRUE(IsWindow(Window()));
  EXPECT_EQ(Boxes(), InitialSettings());
}

const FocusCase kFocusCases[] = {
    {"EnterStays", VK_RETURN, kEdit1Id, kEdit1Id},
    {"TabToTheNextBox", VK_TAB, kEdit1Id, kEdit2Id},
    {"TabFromTheLastBoxToApply", VK_TAB, kEdit5Id, kApplyId},
};

INSTANTIATE_TEST_SUITE_P(ByKey, FocusKeyTest, ::testing::ValuesIn(kFocusCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::test
