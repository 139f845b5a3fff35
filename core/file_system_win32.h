// Paths of files beside the program, as the wide-character calls take them.
#pragma once

#include <string>

#include "core/text.h"

namespace velmora {

// `directory` (or the running program's directory when empty) followed by `name`, both
// GBK, converted to wide characters so that Chinese names survive whatever the ANSI code
// page. Empty when the program's directory cannot be found.
std::wstring ProgramPathW(const Text& directory, const Text& name);

}  // namespace velmora
