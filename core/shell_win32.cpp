#include "core/shell_win32.h"

#include <windows.h>

namespace velmora {

namespace {

// By its full path: the program runs with administrator rights, and a DLL of that name
// beside it must never be the one loaded.
HMODULE LoadFromSystemFolder(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const UINT length = GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length + lstrlenW(name) >= MAX_PATH) return nullptr;
  lstrcpyW(path + length, name);
  return LoadLibraryW(path);
}

}  // namespace

bool ShellOpen(const wchar_t* verb, const wchar_t* target, const wchar_t* directory) {
  using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static HMODULE shell32 = LoadFromSystemFolder(L"\\shell32.dll");
  if (!shell32) return false;
  const auto shell_execute = reinterpret_cast<ShellExecuteFunction>(
      reinterpret_cast<void*>(GetProcAddress(shell32, "ShellExecuteW")));
  if (!shell_execute) return false;
  const HINSTANCE result = shell_execute(nullptr, verb, target, nullptr, directory, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace velmora
