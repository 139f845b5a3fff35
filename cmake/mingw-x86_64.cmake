# The same sources for 64-bit Windows: only for running the Windows tests under a 64-bit
# Wine on hosts that cannot execute 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(mingw_triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
