// Thousands of saves and loads of both custom slots through the settings-file back end, on
// a file that also holds a section of another program's and comment lines. The values
// are random (fixed seed): empty to 12,000 bytes, ASCII and GBK Chinese, with blanks,
// quotes, "=", ";" and "[" inside. After every round a load gives what the profile calls
// promise for the saved text, the other slot and the neighbours are as they were, and the
// file holds no more than its content needs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "core/preset_store.h"
#include "tests/support/gbk.h"
#include "tests/support/temp_dir.h"
#ifdef _WIN32
#include "core/windows_profile_file.h"
#else
#include "core/ini_profile_file.h"
#endif

namespace velmora {
namespace {

using test::Gbk;
using test::TempDir;

constexpr int kRounds = 3000;
constexpr size_t kLongestValue = 12000;

struct Backend {
  const char* name;
  std::unique_ptr<ProfileStrings> (*make)(const Text& directory);
};

// The profile calls on Windows; our own INI code, the same on every system, in the host's
// quicker native run.
const Backend kBackends[] = {
#ifdef _WIN32
    {"WindowsProfileCalls",
     [](const Text& directory) -> std::unique_ptr<ProfileStrings> {
       return std::make_unique<WindowsProfileFile>(kSettingsFileName, directory);
     }},
#else
    {"OwnIni",
     [](const Text& directory) -> std::unique_ptr<ProfileStrings> {
       return std::make_unique<IniProfileFile>(kSettingsFileName, directory);
     }},
#endif
};

// The value as a load gives it in full: blanks around it dropped, then one pair of the same
// quote at both ends.
Text Unquoted(const Text& value) {
  const size_t first = value.find_first_not_of(" \t");
  if (first == Text::npos) return {};
  Text text = value.substr(first, value.find_last_not_of(" \t") - first + 1);
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
      text.back() == text.front()) {
    text = text.substr(1, text.size() - 2);
  }
  return text;
}

// True when byte `at` of the GBK text is the first half of a double-byte character.
bool StartsDoubleByte(const Text& text, size_t at) {
  size_t i = 0;
  while (i < at && i < text.size()) i += static_cast<unsigned char>(text[i]) >= 0x81 ? 2 : 1;
  return i == at && at + 1 < text.size() && static_cast<unsigned char>(text[at]) >= 0x81;
}

// A load of a value saved as `saved` gives it cut to the read limit. Where that cut would
// take a double-byte character apart, the profile calls of a Chinese system may leave the
// whole character out instead.
bool LoadsAs(const Text& got, const Text& saved) {
  const Text text = Unquoted(saved);
  if (text.size() <= kMaxValueBytes) return got == text;
  if (got == text.substr(0, kMaxValueBytes)) return true;
  return StartsDoubleByte(text, kMaxValueBytes - 1) && got == text.substr(0, kMaxValueBytes - 1);
}

// One GBK Chinese character: from the GB2312 block (lead 0xB0 to 0xF7) or from GBK's own
// block whose trail bytes include ASCII letters and "[", "\", "]". Byte 0xA0 is left out:
// where the tests run under code page 1252 it is a no-break space, which the profile calls
// drop at the ends of a value.
void AppendChinese(Text& value, std::mt19937& random) {
  unsigned lead, trail;
  if (random() % 2) {
    do {
      lead = 0xB0 + random() % (0xF7 - 0xB0 + 1);
      trail = 0xA1 + random() % (0xFE - 0xA1 + 1);
    } while (lead == 0xD7 && trail >= 0xFA);  // no character there
  } else {
    do {
      lead = 0x81 + random() % (0x9F - 0x81 + 1);
      trail = 0x40 + random() % (0xFE - 0x40 + 1);
    } while (trail == 0x7F || trail == 0xA0);
  }
  value += static_cast<char>(lead);
  value += static_cast<char>(trail);
}

// Mostly short values, now and then a long one; no line break, no NUL.
Text RandomValue(std::mt19937& random) {
  const size_t size = random() % 10 == 0 ? random() % (kLongestValue + 1) : random() % 25;
  Text value;
  while (value.size() < size) {
    switch (random() % 8) {
      case 0:
      case 1:
      case 2:
        AppendChinese(value, random);
        break;
      case 3:
        value += " \t"[random() % 2];
        break;
      case 4:
        value += "=;[]\"'"[random() % 6];
        break;
      default:
        value += static_cast<char>(0x21 + random() % (0x7E - 0x21 + 1));
    }
  }
  if (value.size() > kLongestValue) value.resize(value.size() - 2);  // one character too far
  switch (random() % 10) {
    case 0:
      return "\"" + value + "\"";
    case 1:
      return " '" + value + "'\t";
    case 2:
      return "  [" + value;
    default:
      return value;
  }
}

// A short account of how two texts differ, not the texts themselves.
std::string Difference(const Text& got, const Text& expected) {
  size_t at = 0;
  while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
  char account[160];
  std::snprintf(account, sizeof account,
                "got %zu bytes, expected %zu; first difference at byte %zu (%02X vs %02X)",
                got.size(), expected.size(), at,
                at < got.size() ? static_cast<unsigned char>(got[at]) : 0u,
                at < expected.size() ? static_cast<unsigned char>(expected[at]) : 0u);
  return account;
}

class PresetStoreSoak : public ::testing::TestWithParam<Backend> {};

TEST_P(PresetStoreSoak, ThousandsOfSavesKeepTheValuesTheOtherSlotAndTheNeighbours) {
  const std::string head = Gbk("; 本地网络设置的预设\r\n");
  const Settings slot2 = {"10.0.0.2", "255.0.0.0", "10.0.0.254", "1.1.1.1", "1.0.0.1"};
  const std::string slot2_section =
      Gbk("[2]\r\nIP地址=10.0.0.2\r\n子掩网码=255.0.0.0\r\n默认网关=10.0.0.254\r\n"
          "首选DNS=1.1.1.1\r\n备用DNS=1.0.0.1\r\n");
  // Written as the Windows profile calls write it back: Wine rewrites the whole file on every
  // write, and would drop blank lines and the blanks around "=" in other sections.
  const std::string neighbour =
      Gbk("; 别的程序的设置\r\n[网络]\r\n名称=办公室\r\n;代理=旧值\r\n代理=10.0.0.8:8080\r\n");
  const std::string start = head + slot2_section + neighbour;
  // The largest a file with both slots needs beyond the values themselves.
  const size_t overhead = start.size() + 2 * Gbk("[1]\r\nIP地址=\r\n子掩网码=\r\n默认网关=\r\n"
                                                 "首选DNS=\r\n备用DNS=\r\n")
                                                 .size();

  TempDir dir;
  dir.Write(kSettingsFileName, start);
  std::unique_ptr<ProfileStrings> profile = GetParam().make(dir.path());

  std::mt19937 random(20240611);
  Settings saved[2] = {{}, slot2};  // as last saved, by slot
  const auto started = std::chrono::steady_clock::now();
  for (int round = 0; round < kRounds; ++round) {
    const int slot = static_cast<int>(random() % 2);
    const char* const name[2] = {"1", "2"};
    for (Text& value : saved[slot]) value = RandomValue(random);

    ASSERT_TRUE(SaveSlot(name[slot], saved[slot], *profile)) << "round " << round;
    for (int s = 0; s < 2; ++s) {
      const Settings got = LoadSlot(name[s], *profile);
      for (int i = 0; i < kSettingCount; ++i) {
        ASSERT_TRUE(LoadsAs(got[i], saved[s][i]))
            << "round " << round << ", slot " << name[s] << ", value " << i << " ("
            << (s == slot ? "just saved" : "saved before")
            << "): " << Difference(got[i], Unquoted(saved[s][i]).substr(0, kMaxValueBytes));
      }
    }
    const std::string file = dir.Read(kSettingsFileName);
    ASSERT_EQ(file.compare(0, head.size(), head), 0) << "round " << round;
    ASSERT_NE(file.find(neighbour), std::string::npos) << "round " << round;
    ASSERT_EQ(profile->Read(Gbk("网络"), Gbk("代理")), "10.0.0.8:8080") << "round " << round;
    size_t value_bytes = 0;
    for (const Settings& values : saved) {
      for (const Text& value : values) value_bytes += value.size();
    }
    ASSERT_LE(file.size(), overhead + value_bytes) << "round " << round;
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
  std::printf("soak %s: %d rounds in %.1f s\n", GetParam().name, kRounds, elapsed.count());
}

INSTANTIATE_TEST_SUITE_P(Backends, PresetStoreSoak, ::testing::ValuesIn(kBackends),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora
