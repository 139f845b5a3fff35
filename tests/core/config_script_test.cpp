#include "core/config_script.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/disk_program_files.h"
#include "tests/support/gbk.h"
#include "tests/support/temp_dir.h"

namespace velmora {
namespace {

using test::Fixture;
using test::Gbk;
using test::TempDir;

TEST(BuildScript, InitialValuesWithPreferredDnsGiveTheWholeScriptByteForByte) {
  Settings values = InitialSettings();
  values[kPreferredDns] = "8.8.8.8";
  const Text script = BuildScript(values);
  EXPECT_EQ(script, Fixture("script_initial_values.vbs"));
  EXPECT_EQ(script.substr(script.size() - 6), "\r\nNext");
}

TEST(BuildScript, ChineseValuesAreWrittenAsTheirGbkBytes) {
  const Settings values = {Gbk("办公室"), "255.255.255.0", Gbk("网关"), "8.8.8.8", Gbk("备用")};
  EXPECT_EQ(BuildScript(values), Fixture("script_chinese_values.vbs"));
}

TEST(BuildScript, ValuesGoInAsTypedWithoutTrimmingOrEscaping) {
  const Settings values = {" 1 ", "", "", "", "a\"b"};
  const Text script = BuildScript(values);
  EXPECT_NE(script.find("strIPAddress = Array(\" 1 \")\r\n"), Text::npos);
  EXPECT_NE(script.find("strSubnetMask = Array(\"\")\r\n"), Text::npos);
  EXPECT_NE(script.find("Const STR_NEWDNS2 = \"a\"b\" \r\n"), Text::npos);
}

// Real files in a directory of the test's own; the shell is recorded, not asked.
class RecordingFiles : public DiskProgramFiles {
 public:
  RecordingFiles(const Text& directory, bool shell_takes_it)
      : DiskProgramFiles(directory), shell_takes_it_(shell_takes_it) {}
  bool Launch(const Text& name) override {
    launched.push_back(name);
    return shell_takes_it_;
  }
  std::vector<Text> launched;

 private:
  bool shell_takes_it_;
};

class WriteAndLaunchScript : public ::testing::Test {
 protected:
  TempDir dir_;
};

TEST_F(WriteAndLaunchScript, WritesTheFileBesideTheProgramAndHandsItToTheShell) {
  RecordingFiles files(dir_.path(), true);
  EXPECT_EQ(WriteAndLaunch("first script", files), LaunchResult::kLaunched);
  EXPECT_EQ(WriteAndLaunch("second", files), LaunchResult::kLaunched);
  EXPECT_EQ(dir_.Read(kScriptFileName), "second");
  EXPECT_EQ(files.launched, (std::vector<Text>{kScriptFileName, kScriptFileName}));
  EXPECT_EQ(Text(kScriptFileName), Gbk("\\Velmora本地网络设置.VBS"));
}

TEST_F(WriteAndLaunchScript, ReportsAShellThatDidNotTakeIt) {
  RecordingFiles files(dir_.path(), false);
  EXPECT_EQ(WriteAndLaunch("script", files), LaunchResult::kNotLaunched);
  EXPECT_EQ(dir_.Read(kScriptFileName), "script");
}

TEST_F(WriteAndLaunchScript, LaunchesNothingWhenTheFileCannotBeWritten) {
  dir_.MakeDirectory(kScriptFileName);
  RecordingFiles files(dir_.path(), true);
  EXPECT_EQ(WriteAndLaunch("script", files), LaunchResult::kNotWritten);
  EXPECT_TRUE(files.launched.empty());
}

TEST_F(WriteAndLaunchScript, RemoveDeletesTheScriptAndNothingElseAndIsQuietWithoutOne) {
  RecordingFiles files(dir_.path(), true);
  dir_.Write("\\velmora.ini", "[1]\r\n");
  RemoveScript(files);  // no script yet
  WriteAndLaunch("script", files);
  RemoveScript(files);
  EXPECT_FALSE(dir_.Exists(kScriptFileName));
  EXPECT_EQ(dir_.Read("\\velmora.ini"), "[1]\r\n");
}

}  // namespace
}  // namespace velmora
