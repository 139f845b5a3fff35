// Stands in for whatever the shell would start for a .VBS file or a web address: appends
// its argument as one UTF-8 line to the file named by VELMORA_LAUNCH_LOG (or launches.log
// beside itself) and exits. The test prefix routes those default actions here.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::wstring LogPath() {
  wchar_t buffer[MAX_PATH];
  DWORD length = GetEnvironmentVariableW(L"VELMORA_LAUNCH_LOG", buffer, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return buffer;
  length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  std::wstring path(buffer, length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"launches.log";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring line = count > 1 ? argv[1] : L"";
  line += L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), utf8.data(), size,
                      nullptr, nullptr);
  HANDLE file = CreateFileW(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
