# Shared part of the mingw-w64 cross builds; the including file sets mingw_triple and
# mingw_threads. Everything is linked statically, so no extra DLL is needed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-${mingw_threads})
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-${mingw_threads})
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# CTest runs the Windows test programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
