// Our own reading and writing of INI text, giving what the Windows profile-string calls
// give: names match without regard to ASCII case and to blanks around them, blanks around
// "=" are ignored, one pair of quotes around a value is dropped when it is read, and a
// value read is cut to kMaxValueBytes. Texts are GBK: a double-byte character is never
// taken apart.
#pragma once

#include <string>
#include <string_view>

#include "core/profile_strings.h"

namespace velmora {

// The key's value in the first section of that name; empty when the section or the key
// is missing, or when a name is blank.
Text IniGetValue(std::string_view file, std::string_view section, std::string_view key);

// The file with the key set to `value` (blanks around it dropped), the section added at the
// end when absent and the key after the section's last line when absent. Every other line
// stays as it was, byte for byte.
std::string IniSetValue(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace velmora
