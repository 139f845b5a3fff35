// The one boundary between GBK texts and the wide characters the system's calls take.
// GBK is code page 936 whatever the system's own ANSI code page is.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Bytes that are no valid GBK become U+FFFD (or the system's default character).
std::wstring WideFromGbk(std::string_view gbk);

// Characters GBK cannot hold become "?".
std::string GbkFromWide(std::wstring_view wide);

}  // namespace velmora
