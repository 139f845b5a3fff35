#include "ui/flat_theme.h"

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

// The program has one thread with windows, so plain statics hold the theme's state.
HHOOK g_hook = nullptr;
HBRUSH g_frame = nullptr;

// Each subclassed control with the procedure it had before. Kept here rather than in window
// properties, which Wine asks its server for on every message; the thread has a few dozen
// controls at most.
struct Subclassed {
  HWND hwnd;
  WNDPROC original;
};
std::vector<Subclassed> g_subclassed;

std::vector<Subclassed>::iterator FindSubclassed(HWND hwnd) {
  return std::find_if(g_subclassed.begin(), g_subclassed.end(),
                      [hwnd](const Subclassed& entry) { return entry.hwnd == hwnd; });
}

LRESULT CallOriginal(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto entry = FindSubclassed(hwnd);
  if (entry == g_subclassed.end()) return DefWindowProcW(hwnd, message, wParam, lParam);
  const WNDPROC original = entry->original;
  if (message == WM_NCDESTROY) g_subclassed.erase(entry);
  return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

// The frame on the outer pixel ring of `outer`, the rest of the ring's width down to
// `inner` filled with `fill`: this covers the 3D edge the control drew there.
void DrawFlatRing(HDC dc, RECT outer, const RECT& inner, HBRUSH fill) {
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
  FillRect(dc, &outer, fill);
  FrameRect(dc, &outer, g_frame);
  RestoreDC(dc, saved);
}

HBRUSH FieldBrush(HWND hwnd) {
  const bool read_only = GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_READONLY;
  return GetSysColorBrush(IsWindowEnabled(hwnd) && !read_only ? COLOR_WINDOW : COLOR_BTNFACE);
}

// An edit box's border lies in its non-client area.
void PaintEditBorder(HWND hwnd) {
  RECT outer, inner;
  GetWindowRect(hwnd, &outer);
  GetClientRect(hwnd, &inner);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&inner), 2);
  OffsetRect(&inner, -outer.left, -outer.top);
  OffsetRect(&outer, -outer.left, -outer.top);
  if (EqualRect(&inner, &outer)) return;  // no border: the field inside a combo box
  HDC dc = GetWindowDC(hwnd);
  DrawFlatRing(dc, outer, inner, FieldBrush(hwnd));
  ReleaseDC(hwnd, dc);
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallOriginal(hwnd, message, wParam, lParam);
  if (message == WM_NCPAINT || message == WM_ENABLE) PaintEditBorder(hwnd);
  return result;
}

// A small filled triangle pointing down, centred in `box`.
void DrawDropArrow(HDC dc, const RECT& box, COLORREF colour) {
  const int x = (box.left + box.right) / 2;
  const int y = (box.top + box.bottom) / 2 - 1;
  const POINT arrow[] = {{x - 3, y - 1}, {x + 3, y - 1}, {x, y + 2}};
  HGDIOBJ old_brush = SelectObject(dc, GetStockObject(DC_BRUSH));
  HGDIOBJ old_pen = SelectObject(dc, GetStockObject(DC_PEN));
  SetDCBrushColor(dc, colour);
  SetDCPenColor(dc, colour);
  Polygon(dc, arrow, 3);
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
}

// A combo box draws its edges and drop button in its client area, around the edit field.
void PaintComboFrame(HWND hwnd) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(hwnd, &info)) return;
  RECT outer;
  GetClientRect(hwnd, &outer);
  RECT inner = info.rcItem;
  UnionRect(&inner, &inner, &info.rcButton);
  HDC dc = GetDC(hwnd);
  DrawFlatRing(dc, outer, inner, FieldBrush(hwnd));
  if (!IsRectEmpty(&info.rcButton)) {
    RECT button = info.rcButton;
    FillRect(dc, &button, GetSysColorBrush(COLOR_BTNFACE));
    RECT line = {button.left, button.top, button.left + 1, button.bottom};
    FillRect(dc, &line, g_frame);
    DrawDropArrow(dc, button, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  }
  ReleaseDC(hwnd, dc);
}

LRESULT CALLBACK ComboProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallOriginal(hwnd, message, wParam, lParam);
  if (message == WM_PAINT || message == WM_ENABLE) PaintComboFrame(hwnd);
  return result;
}

bool IsPushButton(HWND hwnd) {
  const LONG_PTR type = GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

void PaintButton(HWND hwnd, HDC dc) {
  RECT box;
  GetClientRect(hwnd, &box);
  const bool pushed = SendMessageW(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED;
  const bool enabled = IsWindowEnabled(hwnd);
  // Pressed: a light tint of the frame colour.
  SetDCBrushColor(dc, pushed ? RGB(222, 230, 238) : GetSysColor(COLOR_BTNFACE));
  FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  FrameRect(dc, &box, g_frame);

  wchar_t text[128];
  const int length = GetWindowTextW(hwnd, text, ARRAYSIZE(text));
  // NOLINTNEXTLINE(performance-no-int-to-ptr): WM_GETFONT answers with the font's handle.
  auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  HGDIOBJ old_font = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  RECT label = box;
  if (pushed) OffsetRect(&label, 1, 1);
  DrawTextW(dc, text, length, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old_font);
  if (GetFocus() == hwnd) {
    InflateRect(&box, -3, -3);
    DrawFocusRect(dc, &box);
  }
}

void RepaintButton(HWND hwnd) {
  if (!IsWindowVisible(hwnd)) return;
  HDC dc = GetDC(hwnd);
  PaintButton(hwnd, dc);
  ReleaseDC(hwnd, dc);
}

// A button paints itself outside WM_PAINT too, whenever its state changes; each of those
// paintings is painted over at once.
LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsPushButton(hwnd)) return CallOriginal(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      PaintButton(hwnd, dc);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
  }
  const LRESULT result = CallOriginal(hwnd, message, wParam, lParam);
  switch (message) {
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
      RepaintButton(hwnd);
      break;
  }
  return result;
}

WNDPROC FlatProcFor(HWND hwnd) {
  wchar_t name[16];
  if (!GetClassNameW(hwnd, name, ARRAYSIZE(name))) return nullptr;
  if (lstrcmpiW(name, L"Edit") == 0) return EditProc;
  if (lstrcmpiW(name, L"ComboBox") == 0) return ComboProc;
  if (lstrcmpiW(name, L"Button") == 0) return ButtonProc;
  return nullptr;
}

void Subclass(HWND hwnd) {
  WNDPROC flat = FlatProcFor(hwnd);
  if (!flat || FindSubclassed(hwnd) != g_subclassed.end()) return;
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the window word holds the procedure.
  g_subclassed.push_back({hwnd, reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC))});
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(flat));
}

// Controls created later are subclassed before they see their first message.
LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  // NOLINTNEXTLINE(performance-no-int-to-ptr): HCBT_CREATEWND's wParam is the new window.
  if (code == HCBT_CREATEWND) Subclass(reinterpret_cast<HWND>(wParam));
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

BOOL CALLBACK SubclassChild(HWND hwnd, LPARAM) {
  Subclass(hwnd);
  return TRUE;
}

BOOL CALLBACK SubclassTopLevel(HWND hwnd, LPARAM) {
  Subclass(hwnd);
  EnumChildWindows(hwnd, SubclassChild, 0);
  // A hidden window is painted in full when it shows.
  if (IsWindowVisible(hwnd)) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return TRUE;
}

}  // namespace

bool SwitchOnFlatTheme(int scheme) {
  if (scheme != 1) return false;
  if (g_hook) return true;
  g_frame = CreateSolidBrush(kFlatScheme1Frame);
  g_hook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
  EnumThreadWindows(GetCurrentThreadId(), SubclassTopLevel, 0);
  return true;
}

}  // namespace velmora
