// The program: the main window over the real files beside the executable, until it closes.
#include <windows.h>

#include <cstdlib>

#include "core/disk_program_files.h"
#include "core/preset_store.h"
#include "core/windows_profile_file.h"
#include "ui/main_window.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int nShowCmd) {
  velmora::DiskProgramFiles files;
  velmora::WindowsProfileFile settings_file(velmora::kSettingsFileName);
  velmora::MainWindow window(files, settings_file);
  if (!window.Create(hInstance, nShowCmd)) return 1;
  return window.RunMessageLoop();
}

// A GUI program has nowhere to print why it ends: the default handler's message would only
// bring the C++ name demangler along, a fifth of the program's size.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }  // NOLINT(bugprone-reserved-identifier)
}  // namespace __gnu_cxx
