# 32-bit Windows with the posix thread model, which GoogleTest needs (std::mutex): the
# Windows tests, on hosts whose Wine runs 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(mingw_triple i686-w64-mingw32)
set(mingw_threads posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
