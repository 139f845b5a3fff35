// The script file on a real Windows (under Wine): handed to the shell, and run by the
// Script Host against a stand-in for WMI.
#ifdef _WIN32

#include <windows.h>

#include <gtest/gtest.h>

#include "core/codepage.h"
#include "core/config_script.h"
#include "core/disk_program_files.h"
#include "tests/support/gbk.h"
#include "tests/support/temp_dir.h"
#include "tests/support/windows_programs.h"

namespace velmora {
namespace {

using test::Fixture;
using test::Gbk;
using test::LaunchLog;
using test::RecordedPath;
using test::RunAndCapture;
using test::TempDir;

TEST(ScriptOnWindows, ShellGetsTheFileByItsChineseNameWhateverTheCodePage) {
  TempDir dir;
  LaunchLog log;
  DiskProgramFiles files(dir.path());
  ASSERT_EQ(WriteAndLaunch("' nothing\r\n", files), LaunchResult::kLaunched);
  const std::vector<std::string> launches = log.WaitFor(1);
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0], RecordedPath(dir.PathOf(kScriptFileName)));
  EXPECT_TRUE(dir.Exists(kScriptFileName));
}

// The script's lines after the fake-WMI prelude, run by cscript. A runtime error stops
// cscript silently with exit code 0, so the run ends by echoing a marker.
std::string RunUnderFakeWmi(const Text& script_body) {
  TempDir dir;
  const Text name = "\\under_fake_wmi.vbs";
  dir.Write(name, Fixture("fake_wmi.vbs") + "\r\n" + script_body + "\r\nWScript.Echo \"END\"\r\n");
  std::string output;
  EXPECT_TRUE(
      RunAndCapture(L"cscript.exe //nologo \"" + dir.PathOf(name).wstring() + L"\"", &output));
  std::string lines;
  for (char c : output) {
    if (c != '\r') lines += c;
  }
  return lines;
}

// True when GetObject reaches the stand-in; no configuration script runs unless it does.
bool FakeWmiStandsInFront() {
  return RunUnderFakeWmi("GetObject(\"winmgmts:\").InstancesOf \"probe\"") ==
         "GetObject winmgmts:\nInstancesOf probe\nEND\n";
}

TEST(ScriptOnWindows, SetsTheValuesOnEveryIpEnabledAdapterAndNoOther) {
  struct Case {
    const char* name;
    Settings values;
    const char* calls;
  };
  const Case cases[] = {
      {"all five values",
       {"192.168.1.33", "255.255.255.0", "192.168.1.1", "8.8.8.8", "8.8.4.4"},
       "A EnableStatic ([192.168.1.33]) ([255.255.255.0])\n"
       "B EnableStatic ([192.168.1.33]) ([255.255.255.0])\n"
       "GetObject winmgmts:{impersonationLevel=impersonate}\n"
       "InstancesOf Win32_NetworkAdapterConfiguration\n"
       "A SetDNSServerSearchOrder ([8.8.8.8],[8.8.4.4])\n"
       "A SetGateways ([192.168.1.1])\n"
       "B SetDNSServerSearchOrder ([8.8.8.8],[8.8.4.4])\n"
       "B SetGateways ([192.168.1.1])\n"},
      {"all but the preferred DNS server empty",
       {"", "", "", "8.8.8.8", ""},
       "A EnableStatic ([]) ([])\n"
       "B EnableStatic ([]) ([])\n"
       "GetObject winmgmts:{impersonationLevel=impersonate}\n"
       "InstancesOf Win32_NetworkAdapterConfiguration\n"
       "A SetDNSServerSearchOrder ([8.8.8.8],[])\n"
       "A SetGateways ([])\n"
       "B SetDNSServerSearchOrder ([8.8.8.8],[])\n"
       "B SetGateways ([])\n"},
  };
  ASSERT_TRUE(FakeWmiStandsInFront());
  for (const Case& c : cases) {
    const std::string expected = std::string("GetObject winmgmts:\\\\.\\root\\cimv2\n") +
                                 "ExecQuery Select * from Win32_NetworkAdapterConfiguration "
                                 "Where IPEnabled=True\n" +
                                 c.calls + "END\n";
    EXPECT_EQ(RunUnderFakeWmi(BuildScript(c.values)), expected) << c.name;
  }
}

}  // namespace
}  // namespace velmora

#endif  // _WIN32
