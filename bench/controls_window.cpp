// The second yardstick: the bare window grown to the program's window, with its fifteen
// controls made as the program's layout table lists them (class, style, place, size, the
// dialog font) and five entries in the combo box's list, but no texts, no flat drawing and
// no commands. What any program showing this window has to do; the program's own start-up
// work is what it takes beyond this.
#include "bench/yardstick_window.h"
#include "ui/main_window_layout.h"

namespace {

namespace layout = velmora::layout;

bool CreateControls(HWND window, HINSTANCE instance) {
  for (const layout::ControlLayout& row : layout::kControls) {
    const bool combo = row.kind == layout::Kind::kCombo;
    HWND control = CreateWindowExW(
        row.ex_style, layout::ClassNameOf(row.kind), L"", WS_CHILD | WS_VISIBLE | row.style,
        row.left, row.top, row.width, combo ? layout::kComboDroppedHeight : row.height, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
    if (!control) return false;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    if (combo) {
      SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), layout::kComboItemHeight);
      for (int i = 0; i < 5; ++i) {
        SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"entry"));
      }
    }
  }
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const velmora::bench::YardstickWindow controls = {L"VelmoraControlsWindow",
                                                    L"Velmora controls window",
                                                    layout::kWindowStyle,
                                                    layout::kWindowExStyle,
                                                    layout::kOuterWidth,
                                                    layout::kOuterHeight,
                                                    CreateControls};
  return velmora::bench::RunYardstick(instance, show, controls);
}
