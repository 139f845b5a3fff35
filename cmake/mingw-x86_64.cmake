# The same sources for 64-bit Windows, posix thread model for GoogleTest: the Windows tests
# on hosts that cannot execute 32-bit programs and so run only the 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(mingw_triple x86_64-w64-mingw32)
set(mingw_threads posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
