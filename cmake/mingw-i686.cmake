# The shipped program: 32-bit Windows. The win32 thread model keeps winpthread out, whose
# static copy calls GetTickCount64, which Windows XP lacks.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(mingw_triple i686-w64-mingw32)
set(mingw_threads win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
