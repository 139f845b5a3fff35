// The flat drawing, seen in the window's pixels: a one-pixel frame of RGB(123, 158, 189)
// around edit boxes, the combo box and buttons, through their changes of state, also on
// controls made after it was switched on; none around labels.
#include "ui/flat_theme.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/main_window_fixture.h"
#include "ui/main_window_layout.h"

namespace velmora::test {
namespace {

using namespace layout;

constexpr COLORREF kFrame = RGB(123, 158, 189);

// The colours of a control's outermost pixel ring: corners and the middle of each side.
std::vector<COLORREF> RingSamples(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  const int right = rect.right - rect.left - 1;
  const int bottom = rect.bottom - rect.top - 1;
  const POINT points[] = {
      {0, 0},      {right / 2, 0},      {right, 0},     {0, bottom / 2}, {right, bottom / 2},
      {0, bottom}, {right / 2, bottom}, {right, bottom}};
  std::vector<COLORREF> colours;
  HDC dc = GetWindowDC(control);
  for (const POINT& point : points) colours.push_back(GetPixel(dc, point.x, point.y));
  ReleaseDC(control, dc);
  return colours;
}

// Every pixel of the ring, for showing that none has the frame's colour.
std::vector<COLORREF> WholeRing(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  std::vector<COLORREF> colours;
  HDC dc = GetWindowDC(control);
  for (int x = 0; x < width; ++x) {
    colours.push_back(GetPixel(dc, x, 0));
    colours.push_back(GetPixel(dc, x, height - 1));
  }
  for (int y = 0; y < height; ++y) {
    colours.push_back(GetPixel(dc, 0, y));
    colours.push_back(GetPixel(dc, width - 1, y));
  }
  ReleaseDC(control, dc);
  return colours;
}

class FlatThemeTest : public MainWindowTest {
 protected:
  void Repaint() {
    RedrawWindow(Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
  }
  void ExpectFramed(HWND control) {
    for (COLORREF colour : RingSamples(control)) EXPECT_EQ(colour, kFrame);
  }
};

TEST_F(FlatThemeTest, FramesEditsComboAndButtonsButNotLabels) {
  Repaint();
  for (const ControlLayout& row : kControls) {
    SCOPED_TRACE(row.id);
    if (row.kind == Kind::kLabel) {
      for (COLORREF colour : WholeRing(Item(row.id))) EXPECT_NE(colour, kFrame);
    } else {
      ExpectFramed(Item(row.id));
    }
  }
}

TEST_F(FlatThemeTest, ButtonsKeepTheFrameWhenPressedFocusedAndEnabled) {
  Repaint();
  HWND apply = Item(kApplyId);
  SendMessageW(apply, BM_SETSTATE, TRUE, 0);
  ExpectFramed(apply);
  SendMessageW(apply, BM_SETSTATE, FALSE, 0);
  ExpectFramed(apply);
  SetFocus(apply);
  Pump();
  ExpectFramed(apply);
  EnableWindow(Item(kSaveId), TRUE);
  Pump();
  ExpectFramed(Item(kSaveId));
}

TEST_F(FlatThemeTest, CoversControlsMadeAfterItWasSwitchedOn) {
  // In the free column between the labels and the boxes.
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND button = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 150, 15,
                                48, 23, Window(), nullptr, instance, nullptr);
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE, 150, 45, 48,
                              23, Window(), nullptr, instance, nullptr);
  Repaint();
  ExpectFramed(button);
  ExpectFramed(edit);
}

TEST(FlatTheme, KnowsOnlySchemeOne) {
  EXPECT_FALSE(SwitchOnFlatTheme(2));
  EXPECT_TRUE(SwitchOnFlatTheme(1));
  EXPECT_TRUE(SwitchOnFlatTheme(1));
}

}  // namespace
}  // namespace velmora::test
