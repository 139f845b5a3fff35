#include <windows.h>

#include "core/codepage.h"
#include "tests/support/gbk.h"

namespace velmora::test {

std::string Gbk(std::string_view utf8) {
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
  return GbkFromWide(wide);
}

}  // namespace velmora::test
