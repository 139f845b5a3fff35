#include <windows.h>

#include <cstring>
#include <utility>

#include "core/file_system_win32.h"
#include "core/windows_profile_file.h"

namespace velmora {

namespace {

// The path in the ANSI code page, as the profile calls take it. A directory holding
// characters that code page lacks is reached through its short (8.3) name.
std::string AnsiPath(const std::wstring& path) {
  auto to_ansi = [](const std::wstring& wide, BOOL* lossy) {
    const int size = static_cast<int>(wide.size());
    std::string ansi(WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, lossy),
                     '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), static_cast<int>(ansi.size()),
                        nullptr, lossy);
    return ansi;
  };
  BOOL lossy = FALSE;
  std::string ansi = to_ansi(path, &lossy);
  if (!lossy) return ansi;
  const size_t separator = path.find_last_of(L'\\');
  if (separator == std::wstring::npos) return {};
  const std::wstring directory = path.substr(0, separator);
  std::wstring short_directory(MAX_PATH, L'\0');
  const DWORD length = GetShortPathNameW(directory.c_str(), short_directory.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  short_directory.resize(length);
  ansi = to_ansi(short_directory + path.substr(separator), &lossy);
  return lossy ? std::string() : ansi;
}

}  // namespace

WindowsProfileFile::WindowsProfileFile(Text file_name, Text directory)
    : file_name_(std::move(file_name)), directory_(std::move(directory)) {}

Text WindowsProfileFile::Read(const Text& section, const Text& key) {
  const std::string path = AnsiPath(ProgramPathW(directory_, file_name_));
  if (path.empty()) return {};
  // Where the cut would split a double-byte character, the call leaves that last byte
  // unwritten but still counts it: the text ends at the terminator, not at the count.
  char buffer[kMaxValueBytes + 1] = {};
  const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                                sizeof buffer, path.c_str());
  return Text(buffer, strnlen(buffer, length));
}

bool WindowsProfileFile::Write(const Text& section, const Text& key, const Text& value) {
  const std::string path = AnsiPath(ProgramPathW(directory_, file_name_));
  if (path.empty()) return false;
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

}  // namespace velmora
