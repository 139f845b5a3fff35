#include <windows.h>

#include "core/codepage.h"

namespace velmora {

namespace {
constexpr UINT kGbk = 936;
}

std::wstring WideFromGbk(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int size = static_cast<int>(gbk.size());
  const int length = MultiByteToWideChar(kGbk, 0, gbk.data(), size, nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(kGbk, 0, gbk.data(), size, wide.data(), length);
  return wide;
}

std::string GbkFromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(kGbk, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string gbk(length, '\0');
  WideCharToMultiByte(kGbk, 0, wide.data(), size, gbk.data(), length, nullptr, nullptr);
  return gbk;
}

}  // namespace velmora
