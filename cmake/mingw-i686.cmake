# The program as shipped: 32-bit x86 Windows.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(OU_MINGW_TRIPLE i686-w64-mingw32)
set(OU_WINE /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
