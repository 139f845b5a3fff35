#include "core/settings.h"

namespace velmora {

namespace {

struct Preset {
  const char* list_text;
  PresetKind kind;
  std::array<const char*, kSettingCount> values;
  const char* slot;
  SaveState save_after;
};

// Both built-in entries set the address ending in .133, unlike the box's initial .33.
const Preset kPresets[kPresetCount] = {
    {"google",
     PresetKind::kBuiltIn,
     {"192.168.1.133", "255.255.255.0", "192.168.1.1", "8.8.8.8", "8.8.4.4"},
     nullptr,
     SaveState::kDisabled},
    {"\xba\xfe\xb1\xb1" /* 湖北 */,
     PresetKind::kBuiltIn,
     {"192.168.1.133", "255.255.255.0", "192.168.1.1", "202.103.24.68", "202.103.0.68"},
     nullptr,
     SaveState::kDisabled},
    {"\xd7\xd4\xb6\xa8\xd2\xe5"
     "1" /* 自定义1 */,
     PresetKind::kCustomSlot,
     {},
     "1",
     SaveState::kEnabled},
    {"\xd7\xd4\xb6\xa8\xd2\xe5"
     "2" /* 自定义2 */,
     PresetKind::kCustomSlot,
     {},
     "2",
     SaveState::kEnabled},
    {"\xc9\xea\xc7\xeb\xcc\xed\xbc\xd3\xb5\xb1\xb5\xd8"
     "DNS" /* 申请添加当地DNS */,
     PresetKind::kHelpLink,
     {},
     nullptr,
     SaveState::kUnchanged},
};

const Preset* Find(int index) {
  return index >= 0 && index < kPresetCount ? &kPresets[index] : nullptr;
}

}  // namespace

Settings InitialSettings() { return {"192.168.1.33", "255.255.255.0", "192.168.1.1", "", ""}; }

const char* PresetListText(int index) {
  const Preset* preset = Find(index);
  return preset ? preset->list_text : nullptr;
}

PresetKind KindOf(int index) {
  const Preset* preset = Find(index);
  return preset ? preset->kind : PresetKind::kNone;
}

Settings BuiltInValues(int index) {
  Settings values;
  const Preset* preset = Find(index);
  if (preset && preset->kind == PresetKind::kBuiltIn) {
    for (int i = 0; i < kSettingCount; ++i) values[i] = preset->values[i];
  }
  return values;
}

const char* SlotOf(int index) {
  const Preset* preset = Find(index);
  return preset ? preset->slot : nullptr;
}

SaveState SaveStateAfter(int index) {
  const Preset* preset = Find(index);
  return preset ? preset->save_after : SaveState::kUnchanged;
}

bool IsSafeForScript(const Settings& values) {
  for (const Text& value : values) {
    for (unsigned char c : value) {
      if (c == '"' || c < 32) return false;
    }
  }
  return true;
}

}  // namespace velmora
