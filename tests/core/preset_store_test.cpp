// The custom slots against every settings-file back end: our own INI code everywhere, and
// the Windows profile-string calls where they exist. Both must read the same values and
// leave the same bytes in the file.
#include "core/preset_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/ini_profile_file.h"
#include "tests/support/gbk.h"
#include "tests/support/temp_dir.h"
#ifdef _WIN32
#include <windows.h>

#include "core/codepage.h"
#include "core/windows_profile_file.h"
#endif

namespace velmora {
namespace {

using test::Fixture;
using test::Gbk;
using test::TempDir;

struct Backend {
  const char* name;
  std::unique_ptr<ProfileStrings> (*make)(const Text& directory);
};

const Backend kBackends[] = {
    {"OwnIni",
     [](const Text& directory) -> std::unique_ptr<ProfileStrings> {
       return std::make_unique<IniProfileFile>(kSettingsFileName, directory);
     }},
#ifdef _WIN32
    {"WindowsProfileCalls",
     [](const Text& directory) -> std::unique_ptr<ProfileStrings> {
       return std::make_unique<WindowsProfileFile>(kSettingsFileName, directory);
     }},
#endif
};

const Settings kEdited = {"192.168.5.5", "255.255.0.0", "192.168.5.1", "114.114.114.114", ""};

class PresetStore : public ::testing::TestWithParam<Backend> {
 protected:
  std::string File() const { return dir_.Read(kSettingsFileName); }
  void GiveFile(const std::string& bytes) const { dir_.Write(kSettingsFileName, bytes); }

  TempDir dir_;
  std::unique_ptr<ProfileStrings> profile_ = GetParam().make(dir_.path());
};

TEST_P(PresetStore, NoFileLoadsFiveEmptyTexts) {
  EXPECT_EQ(LoadSlot("1", *profile_), Settings{});
  EXPECT_EQ(LoadSlot("2", *profile_), Settings{});
  EXPECT_FALSE(dir_.Exists(kSettingsFileName));
}

TEST_P(PresetStore, FirstSaveCreatesOneSectionWithTheFiveKeysInOrder) {
  const Settings values = {"10.1.1.9", "255.255.255.0", "10.1.1.1", "223.5.5.5", "223.6.6.6"};
  ASSERT_TRUE(SaveSlot("2", values, *profile_));
  EXPECT_EQ(File(), Gbk("[2]\r\nIP地址=10.1.1.9\r\n子掩网码=255.255.255.0\r\n默认网关=10.1.1.1\r\n"
                        "首选DNS=223.5.5.5\r\n备用DNS=223.6.6.6\r\n"));
  EXPECT_EQ(LoadSlot("2", *profile_), values);
  EXPECT_EQ(LoadSlot("1", *profile_), Settings{});
}

TEST_P(PresetStore, EmptyValueIsStoredAsKeyAndEqualsAndLoadsEmpty) {
  ASSERT_TRUE(SaveSlot("1", Settings{}, *profile_));
  EXPECT_EQ(File(), Gbk("[1]\r\nIP地址=\r\n子掩网码=\r\n默认网关=\r\n首选DNS=\r\n备用DNS=\r\n"));
  EXPECT_EQ(LoadSlot("1", *profile_), Settings{});
}

TEST_P(PresetStore, SavingOneSlotLeavesTheOtherSlotAndUnknownContentAlone) {
  GiveFile(Fixture("extra_sections.ini"));
  ASSERT_TRUE(SaveSlot("1", kEdited, *profile_));
  EXPECT_EQ(File(), Fixture("extra_sections_after_save.ini"));
  EXPECT_EQ(LoadSlot("1", *profile_), kEdited);
  EXPECT_EQ(LoadSlot("2", *profile_),
            (Settings{"10.0.0.2", "255.0.0.0", "10.0.0.254", "1.1.1.1", "1.0.0.1"}));
}

TEST_P(PresetStore, FileNamingTheMaskKeyAsTheLabelDoesLoadsAnEmptyMask) {
  GiveFile(Fixture("mask_key_misspelt.ini"));
  EXPECT_EQ(LoadSlot("1", *profile_),
            (Settings{"10.0.0.1", "", "10.0.0.254", "1.1.1.1", "1.0.0.1"}));
}

TEST_P(PresetStore, LongValueLoadsCutToItsFirst10239Bytes) {
  std::string value;
  for (int i = 0; value.size() < 20000; ++i) value += std::to_string(i % 10);
  Settings values = kEdited;
  values[kGateway] = value;
  ASSERT_TRUE(SaveSlot("1", values, *profile_));
  values[kGateway] = value.substr(0, 10239);
  EXPECT_EQ(LoadSlot("1", *profile_), values);
}

// How a hand-edited file reads: which lines count and how names and values are matched.
TEST_P(PresetStore, HandEditedFilesReadAsTheProfileCallsReadThem) {
  struct Case {
    const char* name;
    const char* file;  // UTF-8, turned into GBK
    const char* ip;    // what the IP address of slot "1" loads as
  };
  const Case cases[] = {
      {"ASCII case of a key is ignored", "[1]\r\nip地址=1.2.3.4\r\n", "1.2.3.4"},
      {"blanks around the name and value are dropped", "[1]\r\n  IP地址 \t=  1.2.3.4  \r\n",
       "1.2.3.4"},
      {"blanks inside the value stay", "[1]\r\nIP地址=1.2 3.4\r\n", "1.2 3.4"},
      {"double quotes around the value are dropped", "[1]\r\nIP地址=\"1.2.3.4\"\r\n", "1.2.3.4"},
      {"single quotes around the value are dropped", "[1]\r\nIP地址='1.2.3.4'\r\n", "1.2.3.4"},
      {"a lone quote stays", "[1]\r\nIP地址=\"1.2.3.4\r\n", "\"1.2.3.4"},
      {"bare line feeds end lines too", "[1]\nIP地址=1.2.3.4\n", "1.2.3.4"},
      {"no line break after the last line", "[1]\r\nIP地址=1.2.3.4", "1.2.3.4"},
      {"blanks inside the brackets are dropped", "[ 1 ]\r\nIP地址=1.2.3.4\r\n", "1.2.3.4"},
      {"an indented section header counts", "  [1]\r\nIP地址=1.2.3.4\r\n", "1.2.3.4"},
      {"the key of another section is not taken", "[2]\r\nIP地址=1.2.3.4\r\n[1]\r\n", ""},
      {"a key before any section is not taken", "IP地址=1.2.3.4\r\n[1]\r\n", ""},
      {"a commented-out key is another key", "[1]\r\n;IP地址=9.9.9.9\r\nIP地址=1.2.3.4\r\n",
       "1.2.3.4"},
      {"the first of two equal keys wins", "[1]\r\nIP地址=1.2.3.4\r\nIP地址=5.6.7.8\r\n",
       "1.2.3.4"},
      {"a key without equals sign is empty", "[1]\r\nIP地址\r\n", ""},
      {"an equals sign inside the value stays", "[1]\r\nIP地址=a=b\r\n", "a=b"},
  };
  for (const Case& c : cases) {
    GiveFile(Gbk(c.file));
    EXPECT_EQ(LoadSlot("1", *profile_)[kIpAddress], Gbk(c.ip)) << c.name;
  }
}

// How a save changes a hand-edited file.
TEST_P(PresetStore, SaveChangesOnlyTheKeysLines) {
  struct Case {
    const char* name;
    const char* before;  // UTF-8, turned into GBK
    const char* after;
  };
  const Case cases[] = {
      {"keys are replaced where they stand, whatever their case",
       "[1]\r\n备用DNS=1\r\nip地址=2\r\n子掩网码=3\r\n默认网关=4\r\n首选DNS=5\r\n",
       "[1]\r\n备用DNS=\r\nip地址=192.168.5.5\r\n子掩网码=255.255.0.0\r\n默认网关=192.168.5.1\r\n"
       "首选DNS=114.114.114.114\r\n"},
      {"a missing section is added at the end", "[x]\r\na=b\r\n",
       "[x]\r\na=b\r\n[1]\r\nIP地址=192.168.5.5\r\n子掩网码=255.255.0.0\r\n默认网关=192.168.5.1\r\n"
       "首选DNS=114.114.114.114\r\n备用DNS=\r\n"},
      {"missing keys go after the section's last line", "[1]\r\nIP地址=1\r\n[2]\r\nIP地址=2\r\n",
       "[1]\r\nIP地址=192.168.5.5\r\n子掩网码=255.255.0.0\r\n默认网关=192.168.5.1\r\n"
       "首选DNS=114.114.114.114\r\n备用DNS=\r\n[2]\r\nIP地址=2\r\n"},
  };
  for (const Case& c : cases) {
    GiveFile(Gbk(c.before));
    ASSERT_TRUE(SaveSlot("1", kEdited, *profile_)) << c.name;
    EXPECT_EQ(File(), Gbk(c.after)) << c.name;
  }
}

TEST_P(PresetStore, BlanksAroundAValueAreNotStored) {
  Settings values = kEdited;
  values[kIpAddress] = "  10.0.0.1 ";
  ASSERT_TRUE(SaveSlot("1", values, *profile_));
  const std::string first_key = Gbk("[1]\r\nIP地址=10.0.0.1\r\n");
  EXPECT_EQ(File().substr(0, first_key.size()), first_key);
  EXPECT_EQ(LoadSlot("1", *profile_)[kIpAddress], "10.0.0.1");
}

TEST_P(PresetStore, SaveIntoADirectoryInPlaceOfTheFileReportsFailure) {
  dir_.MakeDirectory(kSettingsFileName);
  const std::filesystem::path inside = dir_.PathOf(kSettingsFileName) / "kept.txt";
  std::ofstream(inside) << "kept";
  EXPECT_FALSE(SaveSlot("1", kEdited, *profile_));
  EXPECT_EQ(LoadSlot("1", *profile_), Settings{});
  std::string kept;
  std::ifstream(inside) >> kept;
  EXPECT_EQ(kept, "kept");
}

#ifdef _WIN32
TEST_P(PresetStore, SaveWhileAnotherProgramLocksTheFileReportsFailureAndLosesNothing) {
  GiveFile(Fixture("extra_sections.ini"));
  HANDLE lock = CreateFileW(dir_.PathOf(kSettingsFileName).c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(SaveSlot("1", kEdited, *profile_));
  CloseHandle(lock);
  EXPECT_EQ(File(), Fixture("extra_sections.ini"));
}
#endif

INSTANTIATE_TEST_SUITE_P(Backends, PresetStore, ::testing::ValuesIn(kBackends),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora
