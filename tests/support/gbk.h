// Test texts are written in UTF-8 source and compared as the GBK bytes the program uses.
#pragma once

#include <string>
#include <string_view>

namespace velmora::test {

// The GBK bytes of a UTF-8 text.
std::string Gbk(std::string_view utf8);

}  // namespace velmora::test
