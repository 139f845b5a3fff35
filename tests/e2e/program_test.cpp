// The shipped program end to end: started alone in a program directory of its own, driven
// through its window from this separate process. The Wine prefix hands .VBS files and web
// addresses to the launch recorder, so the scripts never run.
#include <gtest/gtest.h>

#include "core/codepage.h"
#include "tests/e2e/program_under_test.h"
#include "tests/support/gbk.h"
#include "tests/support/windows_programs.h"

namespace velmora {
namespace {

using test::Fixture;
using test::Gbk;
using test::LaunchLog;
using test::ProgramUnderTest;
using test::RecordedPath;
using test::SeenMessage;
using test::TempDir;

// Where the controls stand in the client area.
struct At {
  int left, top;
};
constexpr At kBoxes[5] = {{203, 15}, {203, 45}, {203, 75}, {203, 135}, {203, 165}};
constexpr At kApply = {53, 198}, kSave = {213, 198}, kVersion = {323, -3};

const char kScript[] = "\\Velmora本地网络设置.VBS";
const char kIni[] = "\\velmora.ini";
const std::string kForum = "http://bbs.velmora.cn";

void ExpectMessage(const std::optional<SeenMessage>& seen, const char* title, const char* text,
                   unsigned icon) {
  ASSERT_TRUE(seen.has_value()) << text;
  EXPECT_EQ(seen->title, Gbk(title));
  EXPECT_EQ(seen->text, Gbk(text));
  EXPECT_EQ(seen->icon, icon) << text;
  EXPECT_TRUE(seen->window_disabled) << "not task-modal: " << text;
}

class Program : public ::testing::Test {
 protected:
  void Type(int box, const char* utf8) {
    program_.SetTextAt(kBoxes[box].left, kBoxes[box].top, Gbk(utf8));
  }
  std::string Box(int box) { return program_.TextAt(kBoxes[box].left, kBoxes[box].top); }

  TempDir dir_;
  LaunchLog launches_;  // before the program starts: it inherits where to record
  ProgramUnderTest program_{dir_};
};

TEST_F(Program, ApplyWritesTheScriptHandsItToTheShellAndSaysSo) {
  ASSERT_NE(program_.window(), nullptr);
  Type(3, "8.8.8.8");
  program_.ClickAt(kApply.left, kApply.top);
  ExpectMessage(program_.NextMessage(), "成功！", "修改成功！请查看本地连接", MB_ICONINFORMATION);
  EXPECT_EQ(dir_.Read(Gbk(kScript)), Fixture("script_initial_values.vbs"));
  EXPECT_EQ(launches_.WaitFor(1),
            std::vector<std::string>{RecordedPath(dir_.PathOf(Gbk(kScript)))});
}

TEST_F(Program, ApplyWithoutPreferredDnsSaysSoAndOpensTheHelpPage) {
  program_.ClickAt(kApply.left, kApply.top);
  ExpectMessage(program_.NextMessage(), "错误！", "修改错误！请填写首选DNS服务器", MB_ICONSTOP);
  EXPECT_EQ(launches_.WaitFor(1), std::vector<std::string>{kForum + "/thread-12518-1-1.html"});
  EXPECT_FALSE(dir_.Exists(Gbk(kScript)));
}

TEST_F(Program, ApplyRefusesAValueThatWouldBreakOutOfTheScript) {
  Type(3, "8.8.8.8");
  Type(4, "8.8.4.4\" : CreateObject(\"WScript.Shell\").Run \"calc\" '");
  program_.ClickAt(kApply.left, kApply.top);
  ExpectMessage(program_.NextMessage(), "错误！", "修改错误！设置值中不能含有双引号或控制字符",
                MB_ICONSTOP);
  program_.Settle();
  EXPECT_FALSE(dir_.Exists(Gbk(kScript)));
  EXPECT_TRUE(launches_.WaitFor(1, 1000).empty());
}

TEST_F(Program, ApplyReportsAScriptThatCannotBeWritten) {
  dir_.MakeDirectory(Gbk(kScript));
  Type(3, "8.8.8.8");
  program_.ClickAt(kApply.left, kApply.top);
  ExpectMessage(program_.NextMessage(), "错误！", "修改失败！无法写入或运行网络设置脚本",
                MB_ICONSTOP);
  EXPECT_TRUE(launches_.WaitFor(1, 1000).empty());
}

TEST_F(Program, PresetsFillTheBoxesAndSaveStoresTheCustomSlot) {
  program_.Choose(0);
  const char* google[5] = {"192.168.1.133", "255.255.255.0", "192.168.1.1", "8.8.8.8", "8.8.4.4"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Box(i), google[i]);
  EXPECT_FALSE(program_.IsEnabledAt(kSave.left, kSave.top));

  program_.Choose(3);  // "自定义2", nothing stored yet: every box empties
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Box(i), "") << i;
  EXPECT_TRUE(program_.IsEnabledAt(kSave.left, kSave.top));
  const char* mine[5] = {"10.0.0.8", "255.255.255.0", "10.0.0.1", "114.114.114.114", ""};
  for (int i = 0; i < 5; ++i) Type(i, mine[i]);
  ASSERT_TRUE(program_.ClickAndWait(kSave.left, kSave.top)) << "a save that works is silent";
  EXPECT_EQ(dir_.Read(kIni), Gbk("[2]\r\nIP地址=10.0.0.8\r\n子掩网码=255.255.255.0\r\n"
                                 "默认网关=10.0.0.1\r\n首选DNS=114.114.114.114\r\n备用DNS=\r\n"));

  program_.Choose(1);
  EXPECT_EQ(Box(3), "202.103.24.68");
  program_.Choose(3);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Box(i), mine[i]) << i;

  program_.Choose(4);  // the help entry: boxes and Save stay
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Box(i), mine[i]) << i;
  EXPECT_TRUE(program_.IsEnabledAt(kSave.left, kSave.top));
  EXPECT_EQ(launches_.WaitFor(1), std::vector<std::string>{kForum + "/thread-12518-1-1.html"});
  ASSERT_TRUE(program_.ClickAndWait(kSave.left, kSave.top)) << "nothing to store, nothing said";
}

TEST_F(Program, SaveReportsASettingsFileThatCannotBeWritten) {
  dir_.MakeDirectory(kIni);
  program_.Choose(2);
  program_.ClickAt(kSave.left, kSave.top);
  ExpectMessage(program_.NextMessage(), "错误！", "保存失败！无法写入配置文件", MB_ICONSTOP);
}

TEST_F(Program, VersionLabelMenuOpensThePagesAndExitsRemovingTheScript) {
  Type(3, "8.8.8.8");
  program_.ClickAt(kApply.left, kApply.top);
  ASSERT_TRUE(program_.NextMessage().has_value());
  ASSERT_TRUE(dir_.Exists(Gbk(kScript)));
  launches_.WaitFor(1);

  for (int item : {2, 3}) {
    const std::optional<POINT> corner = program_.PressForMenu(kVersion.left, kVersion.top);
    ASSERT_TRUE(corner.has_value()) << "no menu for item " << item;
    EXPECT_EQ(corner->x, 3);
    EXPECT_EQ(corner->y, 3);
    program_.ChooseMenuItem(item);
    program_.Settle();
  }
  EXPECT_EQ(launches_.WaitFor(3), (std::vector<std::string>{RecordedPath(dir_.PathOf(Gbk(kScript))),
                                                            kForum + "/thread-12519-1-1.html",
                                                            kForum + "/thread-9282-1-1.html"}));

  ASSERT_TRUE(program_.PressForMenu(kVersion.left, kVersion.top).has_value());
  program_.ChooseMenuItem(1);
  EXPECT_TRUE(program_.WaitForExit());
  EXPECT_FALSE(dir_.Exists(Gbk(kScript)));
  EXPECT_TRUE(dir_.Exists("\\velmora.exe"));
}

}  // namespace
}  // namespace velmora
