// The main window as it opens: frame, controls, texts, styles and fonts, read back from the
// live window.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include "core/codepage.h"
#include "tests/support/gbk.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/main_window_layout.h"
#include "ui/win32_window_seam.h"

namespace velmora::test {
namespace {

using namespace layout;

TEST_F(MainWindowTest, OpensCentredWithItsTitleAndFixedCaptionedFrame) {
  EXPECT_EQ(HwndGetText(Window()), Gbk(u8"Velmora本地网络设置V1.3"));
  RECT frame;
  GetWindowRect(Window(), &frame);
  EXPECT_EQ(frame.right - frame.left, 380);
  EXPECT_EQ(frame.bottom - frame.top, 250);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 250) / 2);

  const LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  const LONG_PTR ex_style = GetWindowLongPtrW(Window(), GWL_EXSTYLE);
  EXPECT_FALSE(ex_style & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
  EXPECT_TRUE(ex_style & WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindow(Window(), GW_OWNER), nullptr);
  EXPECT_EQ(GetMenu(Window()), nullptr);
  EXPECT_EQ(GetClassLongPtrW(Window(), GCLP_HBRBACKGROUND),
            reinterpret_cast<LONG_PTR>(GetSysColorBrush(COLOR_BTNFACE)));
}

struct ExpectedControl {
  int id;
  const wchar_t* class_name;
  int left, top, width, height;
  const char* text;  // UTF-8
};

// The window's description, control by control.
constexpr ExpectedControl kExpected[] = {
    {kLabel1Id, L"Static", 33, 15, 113, 23, u8"IP地址(I)："},
    {kEdit1Id, L"Edit", 203, 15, 113, 23, "192.168.1.33"},
    {kLabel2Id, L"Static", 33, 45, 113, 23, u8"子网掩码(U)："},
    {kEdit2Id, L"Edit", 203, 45, 113, 23, "255.255.255.0"},
    {kLabel4Id, L"Static", 33, 75, 113, 23, u8"默认网关(D)："},
    {kEdit3Id, L"Edit", 203, 75, 113, 23, "192.168.1.1"},
    {kLabel6Id, L"Static", 33, 105, 113, 23, u8"DNS服务器选择："},
    {kComboId, L"ComboBox", 203, 105, 113, 23, "DNS"},
    {kLabel3Id, L"Static", 33, 135, 113, 22, u8"首选 DNS 服务器(P):"},
    {kEdit4Id, L"Edit", 203, 135, 113, 23, ""},
    {kLabel5Id, L"Static", 33, 165, 113, 22, u8"备用 DNS 服务器(A):"},
    {kEdit5Id, L"Edit", 203, 165, 113, 23, ""},
    {kApplyId, L"Button", 53, 198, 93, 23, u8"设置网络设置"},
    {kSaveId, L"Button", 213, 198, 93, 23, u8"保存自定义配置"},
    {kVersionLabelId, L"Static", 323, -3, 53, 23, "V1.3"},
};

RECT ClientRectOf(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST_F(MainWindowTest, HasTheFifteenControlsWithTheirPlacesKindsAndTexts) {
  int children = 0;
  for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ++children;
  }
  EXPECT_EQ(children, 15);
  for (const ExpectedControl& expected : kExpected) {
    SCOPED_TRACE(expected.text);
    HWND control = Item(expected.id);
    ASSERT_NE(control, nullptr);
    wchar_t class_name[32];
    GetClassNameW(control, class_name, ARRAYSIZE(class_name));
    EXPECT_STREQ(class_name, expected.class_name);
    const RECT rect = ClientRectOf(control);
    EXPECT_EQ(rect.left, expected.left);
    EXPECT_EQ(rect.top, expected.top);
    EXPECT_EQ(rect.right - rect.left, expected.width);
    EXPECT_EQ(rect.bottom - rect.top, expected.height);
    EXPECT_EQ(HwndGetText(control), Gbk(expected.text));
    EXPECT_EQ(IsWindowEnabled(control) != FALSE, expected.id != kSaveId);
    EXPECT_TRUE(IsWindowVisible(control));
  }
}

TEST_F(MainWindowTest, ControlsCarryTheirLayoutStyles) {
  for (const ControlLayout& row : kControls) {
    SCOPED_TRACE(row.id);
    const LONG_PTR style = GetWindowLongPtrW(Item(row.id), GWL_STYLE);
    const LONG_PTR ex_style = GetWindowLongPtrW(Item(row.id), GWL_EXSTYLE);
    EXPECT_EQ(style & row.style, static_cast<LONG_PTR>(row.style));
    EXPECT_EQ(ex_style & row.ex_style, static_cast<LONG_PTR>(row.ex_style));
    switch (row.kind) {
      case Kind::kLabel:
        // One centred (or, for the version, left-aligned) line, "&" shown as it is, no border.
        EXPECT_EQ(style & SS_TYPEMASK, row.id == kVersionLabelId ? SS_LEFT : SS_CENTER);
        EXPECT_TRUE(style & SS_CENTERIMAGE);
        EXPECT_TRUE(style & SS_NOPREFIX);
        EXPECT_FALSE(style & (WS_BORDER | SS_SUNKEN));
        EXPECT_FALSE(ex_style & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
        break;
      case Kind::kEdit:
        EXPECT_TRUE(style & ES_CENTER);
        EXPECT_TRUE(style & ES_AUTOHSCROLL);
        EXPECT_FALSE(style & (ES_MULTILINE | ES_READONLY | ES_PASSWORD | ES_NUMBER));
        EXPECT_TRUE(ex_style & WS_EX_CLIENTEDGE);
        break;
      case Kind::kCombo:
        EXPECT_EQ(style & 3, CBS_DROPDOWN);
        EXPECT_FALSE(style & CBS_SORT);
        break;
      case Kind::kButton:
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
        break;
    }
  }
}

TEST_F(MainWindowTest, ComboListsTheFivePresetsUnsortedWithNoneSelected) {
  HWND combo = Item(kComboId);
  const char* expected[] = {"google", u8"湖北", u8"自定义1", u8"自定义2", u8"申请添加当地DNS"};
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 5);
  for (int i = 0; i < 5; ++i) {
    wchar_t entry[64] = {};
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
    EXPECT_EQ(GbkFromWide(entry), Gbk(expected[i])) << i;
  }
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(HwndGetText(combo), "DNS");
}

TEST_F(MainWindowTest, VersionLabelIsBoldSongTwentyPixelsTheRestTheDefaultGuiFont) {
  for (const ControlLayout& row : kControls) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Item(row.id), WM_GETFONT, 0, 0));
    if (row.id != kVersionLabelId) {
      EXPECT_EQ(font, GetStockObject(DEFAULT_GUI_FONT)) << row.id;
      continue;
    }
    LOGFONTW version{};
    ASSERT_TRUE(GetObjectW(font, sizeof(version), &version));
    EXPECT_EQ(GbkFromWide(version.lfFaceName), Gbk(u8"宋体"));
    EXPECT_EQ(version.lfHeight, -20);
    EXPECT_EQ(version.lfWeight, 700);
    EXPECT_EQ(version.lfCharSet, GB2312_CHARSET);
  }
}

}  // namespace
}  // namespace velmora::test
