#include <windows.h>

#include "core/codepage.h"
#include "core/file_system.h"
#include "core/file_system_win32.h"
#include "core/shell_win32.h"

namespace velmora {

namespace {

std::wstring RunningProgramDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

}  // namespace

std::wstring ProgramPathW(const Text& directory, const Text& name) {
  const std::wstring base = directory.empty() ? RunningProgramDirectory() : WideFromGbk(directory);
  if (base.empty()) return {};
  return base + WideFromGbk(name);
}

ReadResult ReadFileBytes(const Text& directory, const Text& name, std::string* bytes) {
  bytes->clear();
  const std::wstring path = ProgramPathW(directory, name);
  if (path.empty()) return ReadResult::kFailed;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? ReadResult::kMissing : ReadResult::kFailed;
  }
  bool ok = true;
  char buffer[4096];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr)) {
      ok = false;
      break;
    }
    if (read == 0) break;
    bytes->append(buffer, read);
  }
  CloseHandle(file);
  return ok ? ReadResult::kRead : ReadResult::kFailed;
}

bool WriteFileBytes(const Text& directory, const Text& name, std::string_view bytes) {
  const std::wstring path = ProgramPathW(directory, name);
  if (path.empty()) return false;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  while (ok && !bytes.empty()) {
    DWORD written = 0;
    ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written > 0;
    bytes.remove_prefix(written);
  }
  return CloseHandle(file) && ok;
}

void DeleteFileQuietly(const Text& directory, const Text& name) {
  const std::wstring path = ProgramPathW(directory, name);
  if (!path.empty()) DeleteFileW(path.c_str());
}

bool LaunchFile(const Text& directory, const Text& name) {
  const std::wstring path = ProgramPathW(directory, name);
  if (path.empty()) return false;
  return ShellOpen(nullptr, path.c_str(), L"");
}

}  // namespace velmora
