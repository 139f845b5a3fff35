// The main window's description: its frame, its fifteen controls and its hidden menu, as
// constants that the creation code walks and the tests compare with the live window.
#pragma once

#include <windows.h>

#include "ui/texts.h"
#include "ui/window_seam.h"

namespace velmora::layout {

inline constexpr wchar_t kClassName[] = L"VelmoraMainWindow";

// Outer size, title bar and border included. The window is centred on the screen.
inline constexpr int kOuterWidth = 380;
inline constexpr int kOuterHeight = 250;
// A caption with no control box (no WS_SYSMENU) and a fixed border (no WS_THICKFRAME).
inline constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
// In the taskbar; Tab walks the controls.
inline constexpr DWORD kWindowExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

// Control ids. The first eight follow the order of Control, which IdOf relies on.
enum ControlId : int {
  // 编辑框1 to 编辑框5, 组合框1, 按钮1 and 按钮2
  kEdit1Id = 1001,
  kEdit2Id,
  kEdit3Id,
  kEdit4Id,
  kEdit5Id,
  kComboId,
  kApplyId,
  kSaveId,
  // 标签1 to 标签6, and 标签7 ("V1.3")
  kLabel1Id,
  kLabel2Id,
  kLabel3Id,
  kLabel4Id,
  kLabel5Id,
  kLabel6Id,
  kVersionLabelId,
  // The popup menu's items
  kMenuExitId,
  kMenuUpdateId,
  kMenuAboutId,
};

constexpr int IdOf(Control control) { return kEdit1Id + static_cast<int>(control); }
static_assert(IdOf(Control::kCombo) == kComboId && IdOf(Control::kSave) == kSaveId);

enum class Kind { kLabel, kEdit, kCombo, kButton };

// The window class of each kind of control.
constexpr const wchar_t* ClassNameOf(Kind kind) {
  switch (kind) {
    case Kind::kLabel:
      return L"Static";
    case Kind::kEdit:
      return L"Edit";
    case Kind::kCombo:
      return L"ComboBox";
    case Kind::kButton:
      return L"Button";
  }
  return L"Static";
}

struct ControlLayout {
  int id;
  Kind kind;
  // GBK. An edit box starts with its setting from InitialSettings() instead; the combo
  // box's text is its edit field.
  const char* text;
  int left, top, width, height;  // client coordinates; a combo box's height is closed
  DWORD style;                   // besides WS_CHILD | WS_VISIBLE
  DWORD ex_style;
};

inline constexpr DWORD kLabelStyle = SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
inline constexpr DWORD kVersionLabelStyle = SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX;
inline constexpr DWORD kEditStyle = WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL;
inline constexpr DWORD kComboStyle = WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL;
inline constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;

// Top to bottom, which is also the Tab order.
inline constexpr ControlLayout kControls[] = {
    {kLabel1Id, Kind::kLabel, texts::kIpLabel, 33, 15, 113, 23, kLabelStyle, 0},
    {kEdit1Id, Kind::kEdit, nullptr, 203, 15, 113, 23, kEditStyle, WS_EX_CLIENTEDGE},
    {kLabel2Id, Kind::kLabel, texts::kMaskLabel, 33, 45, 113, 23, kLabelStyle, 0},
    {kEdit2Id, Kind::kEdit, nullptr, 203, 45, 113, 23, kEditStyle, WS_EX_CLIENTEDGE},
    {kLabel4Id, Kind::kLabel, texts::kGatewayLabel, 33, 75, 113, 23, kLabelStyle, 0},
    {kEdit3Id, Kind::kEdit, nullptr, 203, 75, 113, 23, kEditStyle, WS_EX_CLIENTEDGE},
    {kLabel6Id, Kind::kLabel, texts::kPresetLabel, 33, 105, 113, 23, kLabelStyle, 0},
    {kComboId, Kind::kCombo, texts::kPresetPrompt, 203, 105, 113, 23, kComboStyle, 0},
    {kLabel3Id, Kind::kLabel, texts::kPreferredDnsLabel, 33, 135, 113, 22, kLabelStyle, 0},
    {kEdit4Id, Kind::kEdit, nullptr, 203, 135, 113, 23, kEditStyle, WS_EX_CLIENTEDGE},
    {kLabel5Id, Kind::kLabel, texts::kAlternateDnsLabel, 33, 165, 113, 22, kLabelStyle, 0},
    {kEdit5Id, Kind::kEdit, nullptr, 203, 165, 113, 23, kEditStyle, WS_EX_CLIENTEDGE},
    {kApplyId, Kind::kButton, texts::kApplyButton, 53, 198, 93, 23, kButtonStyle, 0},
    {kSaveId, Kind::kButton, texts::kSaveButton, 213, 198, 93, 23, kButtonStyle | WS_DISABLED, 0},
    // Its top three pixels lie above the client area.
    {kVersionLabelId, Kind::kLabel, texts::kVersionLabel, 323, -3, 53, 23, kVersionLabelStyle, 0},
};

// A closed combo box is its selection field's item height plus 6 pixels: 23.
inline constexpr int kComboItemHeight = 17;
// Height of the combo box with its list dropped down: room for all five entries.
inline constexpr int kComboDroppedHeight = 23 + 5 * kComboItemHeight + 2;

// The version label's bold font; every other control has DEFAULT_GUI_FONT.
inline constexpr int kVersionFontHeight = -20;
inline constexpr int kVersionFontWeight = FW_BOLD;
inline constexpr BYTE kVersionFontCharset = GB2312_CHARSET;

// The hidden top-level menu item "菜单", whose items form the popup menu.
struct MenuItemLayout {
  int id;
  const char* text;
};
inline constexpr MenuItemLayout kMenuItems[] = {
    {kMenuExitId, texts::kMenuExit},
    {kMenuUpdateId, texts::kMenuUpdate},
    {kMenuAboutId, texts::kMenuAbout},
};
// The popup's top-left corner lies this far right of and below the mouse pointer.
inline constexpr int kMenuOffset = 3;

}  // namespace velmora::layout
