// The two custom presets, kept in "velmora.ini" beside the program: sections "1" and "2",
// five keys each.
#pragma once

#include "core/profile_strings.h"
#include "core/settings.h"

namespace velmora {

// "\velmora.ini"
extern const char kSettingsFileName[];

// The five values stored in the slot ("1" or "2"); empty texts for what is missing.
Settings LoadSlot(const char* slot, ProfileStrings& profile);

// Writes the five values, one key at a time, all five even when one fails.
// True when every write succeeded.
bool SaveSlot(const char* slot, const Settings& values, ProfileStrings& profile);

}  // namespace velmora
