// The yardstick for the program's start-up and shutdown: the least a program with a window
// does. It registers a class, shows a plain window and closes when Esc is pressed. Built
// with the program's toolchain and flags (bench/CMakeLists.txt).
#include "bench/yardstick_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const velmora::bench::YardstickWindow bare = {L"VelmoraBareWindow",
                                                L"Velmora bare window",
                                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                                0,
                                                400,
                                                300,
                                                nullptr};
  return velmora::bench::RunYardstick(instance, show, bare);
}
