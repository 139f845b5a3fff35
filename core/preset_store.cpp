#include "core/preset_store.h"

namespace velmora {

const char kSettingsFileName[] = "\\velmora.ini";

namespace {

// The keys of the five settings, in order. The mask's key reads "子掩网码", not the label's
// "子网掩码": files written by earlier versions use it.
const char* const kKeys[kSettingCount] = {
    "IP\xb5\xd8\xd6\xb7",                // IP地址
    "\xd7\xd3\xd1\xda\xcd\xf8\xc2\xeb",  // 子掩网码
    "\xc4\xac\xc8\xcf\xcd\xf8\xb9\xd8",  // 默认网关
    "\xca\xd7\xd1\xa1"
    "DNS",  // 首选DNS
    "\xb1\xb8\xd3\xc3"
    "DNS",  // 备用DNS
};

}  // namespace

Settings LoadSlot(const char* slot, ProfileStrings& profile) {
  Settings values;
  for (int i = 0; i < kSettingCount; ++i) values[i] = profile.Read(slot, kKeys[i]);
  return values;
}

bool SaveSlot(const char* slot, const Settings& values, ProfileStrings& profile) {
  bool all_written = true;
  for (int i = 0; i < kSettingCount; ++i) {
    // Every key is attempted, whatever became of the one before.
    if (!profile.Write(slot, kKeys[i], values[i])) all_written = false;
  }
  return all_written;
}

}  // namespace velmora
