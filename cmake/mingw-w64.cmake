# Cross-compiles for 64-bit Windows with Debian's MinGW-w64, in its POSIX thread model,
# which the C++ standard threads need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ombrix_cross x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ombrix_cross}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ombrix_cross}-g++-posix)
set(CMAKE_RC_COMPILER ${ombrix_cross}-windres)
# Libraries and headers come from the MinGW tree and the cross Qt only, never from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${ombrix_cross})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
