#include "ui/main_window.h"

#include <windowsx.h>

#include <string>

#include "core/codepage.h"
#include "core/config_script.h"
#include "core/settings.h"
#include "ui/flat_theme.h"
#include "ui/main_window_layout.h"

namespace velmora {

namespace {

// Posted on CBN_SELENDOK: the preset is applied once the combo box has finished its
// notification.
constexpr UINT kPresetChosenMessage = WM_APP + 1;

HFONT CreateVersionFont() {
  LOGFONTW font{};
  font.lfHeight = layout::kVersionFontHeight;
  font.lfWeight = layout::kVersionFontWeight;
  font.lfCharSet = layout::kVersionFontCharset;
  const std::wstring face = WideFromGbk(texts::kVersionFontFace);
  lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

bool IsModifierDown() {
  return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0;
}

}  // namespace

MainWindow::MainWindow(ProgramFiles& files, ProfileStrings& settings_file)
    : seams_{window_seam_, files, settings_file} {}

MainWindow::~MainWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (version_font_) DeleteObject(version_font_);
}

bool MainWindow::Create(HINSTANCE instance, int show_command) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = layout::kClassName;
  RegisterClassExW(&window_class);  // fails harmlessly when a window was made before

  const int left = (GetSystemMetrics(SM_CXSCREEN) - layout::kOuterWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - layout::kOuterHeight) / 2;
  CreateWindowExW(layout::kWindowExStyle, layout::kClassName, WideFromGbk(texts::kTitle).c_str(),
                  layout::kWindowStyle, left, top, layout::kOuterWidth, layout::kOuterHeight,
                  nullptr, nullptr, instance, this);
  if (!hwnd_) return false;
  ShowWindow(hwnd_, show_command);
  UpdateWindow(hwnd_);
  SetFocus(GetDlgItem(hwnd_, layout::kEdit1Id));
  return true;
}

bool MainWindow::TranslateKeys(MSG& message) {
  if (!hwnd_ || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && !IsModifierDown()) {
    const LRESULT wants = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                                       reinterpret_cast<LPARAM>(&message));
    if (!(wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))) {
      Exit(seams_);
      return true;
    }
    return false;
  }
  return IsDialogMessageW(hwnd_, &message);
}

int MainWindow::RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TranslateKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

LRESULT CALLBACK MainWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);  // NOLINT(performance-no-int-to-ptr)
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the window word holds this object.
  auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return window ? window->HandleMessage(hwnd, message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(hwnd, WM_CREATE, OnCreate);
    HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
    HANDLE_MSG(hwnd, WM_LBUTTONDOWN, OnLButtonDown);
    HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    case kPresetChosenMessage:
      OnPresetChosen(hwnd);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The window and its controls come into being; then the flat drawing is switched on.
BOOL MainWindow::OnCreate(HWND hwnd, LPCREATESTRUCT create) {
  hwnd_ = hwnd;
  window_seam_.Attach(hwnd);
  if (!CreateControls(hwnd, create->hInstance)) return FALSE;
  SwitchOnFlatTheme(1);
  return TRUE;
}

bool MainWindow::CreateControls(HWND hwnd, HINSTANCE instance) {
  version_font_ = CreateVersionFont();
  const Settings initial = InitialSettings();
  for (const layout::ControlLayout& row : layout::kControls) {
    const bool combo = row.kind == layout::Kind::kCombo;
    // Labels, buttons and edit boxes take their text as they are made: setting it afterwards
    // would cost each control another round of text and repaint work before the window shows.
    // The combo box's edit field is filled once its list is there.
    const std::wstring text =
        combo ? std::wstring()
              : WideFromGbk(row.text ? row.text : initial[row.id - layout::kEdit1Id]);
    HWND control = CreateWindowExW(
        row.ex_style, layout::ClassNameOf(row.kind), text.c_str(),
        WS_CHILD | WS_VISIBLE | row.style, row.left, row.top, row.width,
        combo ? layout::kComboDroppedHeight : row.height, hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),  // NOLINT(performance-no-int-to-ptr)
        instance, nullptr);
    if (!control) return false;
    const bool version = row.id == layout::kVersionLabelId;
    SendMessageW(
        control, WM_SETFONT,
        reinterpret_cast<WPARAM>(version ? version_font_ : GetStockObject(DEFAULT_GUI_FONT)),
        FALSE);
    if (combo) {
      SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), layout::kComboItemHeight);
      for (int i = 0; i < kPresetCount; ++i) CbAddString(control, PresetListText(i));
      HwndSetText(control, row.text);
    }
  }
  return true;
}

// The one place for commands: controls' notifications and the popup menu's items.
void MainWindow::OnCommand(HWND hwnd, int id, HWND, UINT code) {
  switch (id) {
    case layout::kComboId:
      if (code == CBN_SELENDOK) PostMessageW(hwnd, kPresetChosenMessage, 0, 0);
      break;
    case layout::kApplyId:
      if (code == BN_CLICKED) Apply(seams_);
      break;
    case layout::kSaveId:
      if (code == BN_CLICKED) Save(seams_);
      break;
    case layout::kMenuExitId:
      Exit(seams_);
      break;
    case layout::kMenuUpdateId:
      OpenPage(seams_, Page::kUpdate);
      break;
    case layout::kMenuAboutId:
      OpenPage(seams_, Page::kAbout);
      break;
  }
}

// The version label lets mouse clicks through to the window: a press on it opens the menu.
void MainWindow::OnLButtonDown(HWND hwnd, BOOL, int x, int y, UINT) {
  RECT label;
  GetWindowRect(GetDlgItem(hwnd, layout::kVersionLabelId), &label);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&label), 2);
  if (PtInRect(&label, POINT{x, y})) ShowPopupMenu(hwnd);
}

// A list entry was chosen, and the combo box is done with its notification.
void MainWindow::OnPresetChosen(HWND) { PresetChosen(seams_); }

// About to go: the script file goes first, then the message loop ends.
void MainWindow::OnDestroy(HWND) {
  RemoveScript(seams_.files);
  hwnd_ = nullptr;
  PostQuitMessage(0);
}

// The items of the hidden menu "菜单" as a popup just below and right of the pointer; the
// chosen item's WM_COMMAND arrives once the menu has closed.
void MainWindow::ShowPopupMenu(HWND hwnd) {
  POINT at;
  GetCursorPos(&at);
  HMENU menu = CreateMenu();
  HMENU popup = CreatePopupMenu();
  for (const layout::MenuItemLayout& item : layout::kMenuItems) {
    AppendMenuW(popup, MF_STRING, item.id, WideFromGbk(item.text).c_str());
  }
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), WideFromGbk(texts::kMenu).c_str());
  TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x + layout::kMenuOffset, at.y + layout::kMenuOffset, 0,
                 hwnd, nullptr);
  DestroyMenu(menu);  // and the popup with it
}

}  // namespace velmora
