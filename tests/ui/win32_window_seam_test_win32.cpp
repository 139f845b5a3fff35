// The commands' view of the live window: GBK texts through the wide calls, the selection,
// enabling, the posted close, the message box and the shell's "open".
#include "ui/win32_window_seam.h"

#include <gtest/gtest.h>

#include "core/codepage.h"
#include "tests/support/gbk.h"
#include "tests/support/windows_programs.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/main_window_layout.h"

namespace velmora::test {
namespace {

class Win32WindowSeamTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    seam_.Attach(Window());
  }
  Win32WindowSeam seam_;
};

TEST_F(Win32WindowSeamTest, TextsReachEveryControlAsChineseWhateverTheAnsiCodePage) {
  const Control controls[] = {Control::kEdit1, Control::kEdit2, Control::kEdit3, Control::kEdit4,
                              Control::kEdit5, Control::kCombo, Control::kApply, Control::kSave};
  const Text text = Gbk(u8"湖北 202.103.24.68");
  for (Control control : controls) {
    SCOPED_TRACE(static_cast<int>(control));
    seam_.SetText(control, text);
    HWND hwnd = GetDlgItem(Window(), layout::IdOf(control));
    wchar_t wide[64] = {};
    GetWindowTextW(hwnd, wide, ARRAYSIZE(wide));
    EXPECT_STREQ(wide, L"\x6e56\x5317 202.103.24.68");
    EXPECT_EQ(seam_.GetText(control), text);
  }
}

TEST_F(Win32WindowSeamTest, SelectedIndexIsMinusOneUntilAnEntryIsSelected) {
  EXPECT_EQ(seam_.SelectedIndex(), -1);
  SendMessageW(Item(layout::kComboId), CB_SETCURSEL, 3, 0);
  EXPECT_EQ(seam_.SelectedIndex(), 3);
}

TEST_F(Win32WindowSeamTest, EnableSwitchesTheControl) {
  seam_.Enable(Control::kSave, true);
  EXPECT_TRUE(IsWindowEnabled(Item(layout::kSaveId)));
  seam_.Enable(Control::kEdit2, false);
  EXPECT_FALSE(IsWindowEnabled(Item(layout::kEdit2Id)));
}

TEST_F(Win32WindowSeamTest, PostDestroyClosesTheWindowOnlyOnceTheQueueIsRead) {
  seam_.PostDestroy();
  EXPECT_TRUE(IsWindow(Window()));
  Pump();
  EXPECT_FALSE(IsWindow(Window()));
  EXPECT_TRUE(quit_);
}

struct MessageCase {
  MessageIcon icon;
  const wchar_t* system_icon;
};

TEST_F(Win32WindowSeamTest, ShowMessageIsATaskModalBoxWithNoOwnerAndTheIcon) {
  const MessageCase cases[] = {{MessageIcon::kStop, IDI_HAND},
                               {MessageIcon::kInformation, IDI_ASTERISK}};
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(static_cast<unsigned>(c.icon));
    MessageBoxAnswerer boxes(Window());
    seam_.ShowMessage(Gbk(u8"修改成功！请查看本地连接"), Gbk(u8"成功！"), c.icon);
    ASSERT_EQ(boxes.seen().size(), 1u);
    const SeenMessageBox& box = boxes.seen()[0];
    EXPECT_EQ(box.text, Gbk(u8"修改成功！请查看本地连接"));
    EXPECT_EQ(box.title, Gbk(u8"成功！"));
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_FALSE(box.main_window_enabled);
    EXPECT_EQ(box.icon, LoadIconW(nullptr, c.system_icon));
  }
}

TEST_F(Win32WindowSeamTest, OpenAddressHandsTheAddressToTheShell) {
  LaunchLog launches;
  seam_.OpenAddress("http://127.0.0.1/velmora-test.html");
  EXPECT_EQ(launches.WaitFor(1), std::vector<std::string>{"http://127.0.0.1/velmora-test.html"});
}

}  // namespace
}  // namespace velmora::test
