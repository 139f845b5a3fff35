#include <windows.h>

#include <sstream>

#include "tests/support/windows_programs.h"

namespace velmora::test {

namespace {

std::wstring TempFileName(const wchar_t* prefix) {
  wchar_t directory[MAX_PATH];
  wchar_t name[MAX_PATH];
  GetTempPathW(MAX_PATH, directory);
  GetTempFileNameW(directory, prefix, 0, name);
  return name;
}

std::string ReadWhole(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

}  // namespace

bool RunAndCapture(const std::wstring& command_line, std::string* output, unsigned timeout_ms) {
  const std::wstring output_path = TempFileName(L"out");
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE out = CreateFileW(output_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = out;
  startup.hStdError = out;
  PROCESS_INFORMATION process = {};
  std::wstring mutable_line = command_line;
  const bool started = CreateProcessW(nullptr, mutable_line.data(), nullptr, nullptr, TRUE,
                                      CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
  CloseHandle(out);
  bool ended = false;
  if (started) {
    ended = WaitForSingleObject(process.hProcess, timeout_ms) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  *output = ReadWhole(output_path);
  DeleteFileW(output_path.c_str());
  return started && ended;
}

std::string RecordedPath(const std::filesystem::path& path) {
  const std::wstring wide = path.wstring();
  std::string utf8(WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr),
                   '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), static_cast<int>(utf8.size()),
                      nullptr, nullptr);
  utf8.pop_back();  // the terminator
  return utf8;
}

LaunchLog::LaunchLog() : path_(TempFileName(L"lch")) {
  DeleteFileW(path_.c_str());
  SetEnvironmentVariableW(L"VELMORA_LAUNCH_LOG", path_.c_str());
}

LaunchLog::~LaunchLog() {
  SetEnvironmentVariableW(L"VELMORA_LAUNCH_LOG", nullptr);
  DeleteFileW(path_.c_str());
}

std::vector<std::string> LaunchLog::WaitFor(size_t count, unsigned timeout_ms) const {
  std::vector<std::string> lines;
  const DWORD start = GetTickCount();
  for (;;) {
    lines.clear();
    std::istringstream text(ReadWhole(path_));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    if (lines.size() >= count || GetTickCount() - start > timeout_ms) return lines;
    Sleep(50);
  }
}

}  // namespace velmora::test
