// Texts are byte strings in the system's ANSI code page; the program's own texts are GBK.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora {

using Text = std::string;

// Joins any number of parts into a new text; an empty part adds nothing.
Text Join(std::initializer_list<std::string_view> parts);

}  // namespace velmora
