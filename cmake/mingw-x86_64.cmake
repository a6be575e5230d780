# The same sources for 64-bit Windows: the build that runs the tests under wine where the kernel
# refuses to start 32-bit programs (wine's 32-bit half is then unusable). The numerics are the
# same: doubles in SSE2, long double on the x87 with its 64-bit mantissa.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(OU_MINGW_TRIPLE x86_64-w64-mingw32)
set(OU_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
