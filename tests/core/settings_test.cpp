#include "core/settings.h"

#include <gtest/gtest.h>

#include "tests/support/gbk.h"

namespace velmora {
namespace {

using test::Gbk;

TEST(PresetTable, ListsFiveEntriesInOrder) {
  const std::string expected[kPresetCount] = {"google", Gbk("湖北"), Gbk("自定义1"), Gbk("自定义2"),
                                              Gbk("申请添加当地DNS")};
  for (int i = 0; i < kPresetCount; ++i) EXPECT_EQ(PresetListText(i), expected[i]) << i;
  EXPECT_EQ(PresetListText(kPresetCount), nullptr);
  EXPECT_EQ(PresetListText(-1), nullptr);
}

struct EntryCase {
  int index;
  PresetKind kind;
  const char* slot;
  SaveState save_after;
};

TEST(PresetTable, KindSlotAndSaveStateByIndex) {
  const EntryCase cases[] = {
      {-1, PresetKind::kNone, nullptr, SaveState::kUnchanged},
      {0, PresetKind::kBuiltIn, nullptr, SaveState::kDisabled},
      {1, PresetKind::kBuiltIn, nullptr, SaveState::kDisabled},
      {2, PresetKind::kCustomSlot, "1", SaveState::kEnabled},
      {3, PresetKind::kCustomSlot, "2", SaveState::kEnabled},
      {4, PresetKind::kHelpLink, nullptr, SaveState::kUnchanged},
      {5, PresetKind::kNone, nullptr, SaveState::kUnchanged},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(KindOf(c.index), c.kind);
    EXPECT_EQ(SaveStateAfter(c.index), c.save_after);
    if (c.slot) {
      EXPECT_STREQ(SlotOf(c.index), c.slot);
    } else {
      EXPECT_EQ(SlotOf(c.index), nullptr);
    }
  }
}

TEST(PresetTable, BuiltInRowsHoldTheirLiteralValues) {
  EXPECT_EQ(BuiltInValues(0),
            (Settings{"192.168.1.133", "255.255.255.0", "192.168.1.1", "8.8.8.8", "8.8.4.4"}));
  EXPECT_EQ(BuiltInValues(1), (Settings{"192.168.1.133", "255.255.255.0", "192.168.1.1",
                                        "202.103.24.68", "202.103.0.68"}));
  for (int index : {-1, 2, 3, 4}) EXPECT_EQ(BuiltInValues(index), Settings{}) << index;
}

TEST(InitialSettings, AreTheBoxesFirstTexts) {
  EXPECT_EQ(InitialSettings(), (Settings{"192.168.1.33", "255.255.255.0", "192.168.1.1", "", ""}));
}

TEST(IsSafeForScript, RejectsQuotesAndControlCharactersInAnyValue) {
  struct Case {
    const char* name;
    std::string value;
    bool safe;
  };
  const Case cases[] = {
      {"dotted address", "192.168.1.1", true},
      {"empty", "", true},
      {"blanks", "   ", true},
      {"Chinese", Gbk("电信DNS"), true},
      {"script syntax without quotes", "1) : CreateObject(x", true},
      {"DEL and bytes above 127", "\x7f\x80\xff", true},
      {"double quote", "1.1.1.1\"", false},
      {"line feed", "1.1\n", false},
      {"carriage return", "\r", false},
      {"tab", "1\t2", false},
      {"NUL",
       std::string("1\0"
                   "2",
                   3),
       false},
      {"unit separator", "\x1f", false},
  };
  for (const Case& c : cases) {
    for (int setting = 0; setting < kSettingCount; ++setting) {
      Settings values = InitialSettings();
      values[setting] = c.value;
      EXPECT_EQ(IsSafeForScript(values), c.safe) << c.name << " in setting " << setting;
    }
  }
}

}  // namespace
}  // namespace velmora
