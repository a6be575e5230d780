# Cross-building the Windows program on Debian with MinGW-w64, POSIX-threads variant. Included by
# the toolchain file of each processor, which sets OU_MINGW_TRIPLE and OU_WINE first.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${OU_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OU_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${OU_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OU_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${OU_WINE})
