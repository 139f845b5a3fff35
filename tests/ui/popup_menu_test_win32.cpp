// The hidden menu "菜单": opened by pressing the left mouse button on "V1.3", at the pointer
// plus (3, 3), and its items' commands. Driven by real mouse input.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/config_script.h"
#include "core/codepage.h"
#include "tests/support/gbk.h"
#include "tests/support/windows_programs.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/main_window_layout.h"

namespace velmora::test {
namespace {

using namespace layout;

// Mouse input at a point on the screen, as the hardware would send it: the move and the
// button change arrive in order in the input queue. The pointer is also set directly, as
// Wine otherwise reads it back from the X server, where input sent here does not move it.
void SendMouse(POINT at, DWORD button) {
  SetCursorPos(at.x, at.y);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi.dx = (at.x * 65536 + width - 1) / width;
  inputs[0].mi.dy = (at.y * 65536 + height - 1) / height;
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = button;
  SendInput(2, inputs, sizeof(INPUT));
}

POINT Centre(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

class PopupMenuTest : public MainWindowTest {
 protected:
  // The input state outlives the test program in the Wine server: no button stays down.
  void TearDown() override {
    POINT at;
    GetCursorPos(&at);
    if (GetAsyncKeyState(VK_LBUTTON) < 0) SendMouse(at, MOUSEEVENTF_LEFTUP);
    if (GetAsyncKeyState(VK_RBUTTON) < 0) SendMouse(at, MOUSEEVENTF_RIGHTUP);
    MainWindowTest::TearDown();
  }

  // A point on the visible part of the version label, in screen coordinates.
  POINT OnVersionLabel() const {
    RECT label;
    GetWindowRect(Item(kVersionLabelId), &label);
    return {(label.left + label.right) / 2, label.bottom - 6};
  }

  // Presses the left button there; the button stays down.
  void PressOnVersionLabel() { SendMouse(OnVersionLabel(), MOUSEEVENTF_LEFTDOWN); }
};

struct SeenMenu {
  RECT rect;
  std::vector<Text> items;  // GBK
  std::vector<UINT> ids;
};

SeenMenu Describe(HWND menu_window) {
  SeenMenu seen;
  GetWindowRect(menu_window, &seen.rect);
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menu_window, MN_GETHMENU, 0, 0));
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, i, text, ARRAYSIZE(text), MF_BYPOSITION);
    seen.items.push_back(GbkFromWide(text));
    seen.ids.push_back(GetMenuItemID(menu, i));
  }
  return seen;
}

TEST_F(PopupMenuTest, OpensOnThePressBelowRightOfThePointerWithTheThreeItems) {
  std::vector<SeenMenu> seen;
  EveryTick tick([&seen] {
    for (HWND menu : ThreadWindowsOfClass(L"#32768")) {
      seen.push_back(Describe(menu));
      EndMenu();
    }
  });
  const POINT at = OnVersionLabel();
  PressOnVersionLabel();
  const bool opened = PumpUntil([&seen] { return !seen.empty(); });
  SendMouse(at, MOUSEEVENTF_LEFTUP);
  Pump();
  ASSERT_TRUE(opened);
  EXPECT_EQ(seen[0].rect.left, at.x + 3);
  EXPECT_EQ(seen[0].rect.top, at.y + 3);
  const std::vector<Text> items = {Gbk(u8"退出"), Gbk(u8"本软件更新"), Gbk(u8"关于Velmora")};
  EXPECT_EQ(seen[0].items, items);
  EXPECT_EQ(seen[0].ids, (std::vector<UINT>{kMenuExitId, kMenuUpdateId, kMenuAboutId}));
  EXPECT_TRUE(IsWindow(Window()));  // dismissing the menu runs nothing
}

TEST_F(PopupMenuTest, PressElsewhereInTheWindowOpensNothing) {
  bool opened = false;
  EveryTick tick([&opened] {
    for (HWND menu : ThreadWindowsOfClass(L"#32768")) {
      (void)menu;
      opened = true;
      EndMenu();
    }
  });
  RECT label;
  GetWindowRect(Item(kLabel1Id), &label);
  SendMouse(Centre(label), MOUSEEVENTF_LEFTDOWN);
  SendMouse(Centre(label), MOUSEEVENTF_LEFTUP);
  PumpUntil([&opened] { return opened; }, 300);
  EXPECT_FALSE(opened);
}

// Each item, chosen with the right mouse button.
struct ItemCase {
  const char* name;
  int position;
  const char* page;  // the address's path, or null when the item closes the window
};

class MenuItemTest : public PopupMenuTest, public ::testing::WithParamInterface<ItemCase> {};

TEST_P(MenuItemTest, ChosenItemRunsItsCommand) {
  directory_.Write(kScriptFileName, "old script");
  LaunchLog launches;
  bool chosen = false;
  int ticks_after_choice = 0;
  const POINT pressed_at = OnVersionLabel();
  EveryTick tick([&chosen, &ticks_after_choice, pressed_at] {
    for (HWND menu_window : ThreadWindowsOfClass(L"#32768")) {
      if (chosen) {
        if (++ticks_after_choice > 25) EndMenu();  // the click chose nothing
        return;
      }
      chosen = true;
      HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menu_window, MN_GETHMENU, 0, 0));
      RECT item;
      GetMenuItemRect(nullptr, menu, GetParam().position, &item);
      SendMouse(pressed_at, MOUSEEVENTF_LEFTUP);  // away from the menu: it stays open
      SendMouse(Centre(item), MOUSEEVENTF_RIGHTDOWN);
      SendMouse(Centre(item), MOUSEEVENTF_RIGHTUP);
    }
  });
  PressOnVersionLabel();
  if (!GetParam().page) {
    EXPECT_TRUE(PumpUntil([this] { return quit_ && !IsWindow(Window()); }));
    EXPECT_FALSE(directory_.Exists(kScriptFileName));
    return;
  }
  ASSERT_TRUE(PumpUntil([&chosen] { return chosen; }));
  const std::vector<std::string> seen = launches.WaitFor(1, 3000);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_NE(seen[0].find(GetParam().page), std::string::npos) << seen[0];
  EXPECT_TRUE(IsWindow(Window()));
  EXPECT_TRUE(directory_.Exists(kScriptFileName));
}

const ItemCase kItemCases[] = {
    {"Exit", 0, nullptr},
    {"Update", 1, "/thread-12519-1-1.html"},
    {"About", 2, "/thread-9282-1-1.html"},
};

INSTANTIATE_TEST_SUITE_P(ByItem, MenuItemTest, ::testing::ValuesIn(kItemCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::test
