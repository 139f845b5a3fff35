// The five network settings and the preset table of the combo box.
#pragma once

#include <array>

#include "core/text.h"

namespace velmora {

// The settings, always handled in this order.
enum Setting { kIpAddress, kSubnetMask, kGateway, kPreferredDns, kAlternateDns, kSettingCount };

// The five values, as typed: free text in the ANSI code page, nothing checks their form.
using Settings = std::array<Text, kSettingCount>;

// What the edit boxes hold when the window opens.
Settings InitialSettings();

enum class PresetKind { kNone, kBuiltIn, kCustomSlot, kHelpLink };
enum class SaveState { kDisabled, kEnabled, kUnchanged };

// The list entries of the combo box, by zero-based index, in list order.
constexpr int kPresetCount = 5;
const char* PresetListText(int index);

// Lookups by list index; an index outside 0..4 (-1: nothing selected) is kNone.
PresetKind KindOf(int index);
// The five values of a built-in entry (index 0 or 1); empty texts for any other index.
Settings BuiltInValues(int index);
// The settings-file section of a custom entry: "1" for index 2, "2" for index 3, else null.
const char* SlotOf(int index);
// What becomes of the Save button once the entry has been chosen.
SaveState SaveStateAfter(int index);

// True when every value can stand between the double quotes of the script's string
// literals: none holds a double quote or a character with a code below 32. Anything else
// would end the literal (or the line) and let the text run as script code.
bool IsSafeForScript(const Settings& values);

}  // namespace velmora
