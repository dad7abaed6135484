# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, so that std::thread
# and std::filesystem work). VOSSMERE_WINDOWS_PREFIX names the folder holding the Windows builds
# of the libraries; only it is searched for libraries, headers and packages, so that nothing of
# the Linux system leaks into the build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-gcc-ranlib-posix CACHE FILEPATH "")

# Try-compiles see the prefix too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VOSSMERE_WINDOWS_PREFIX)
if(NOT VOSSMERE_WINDOWS_PREFIX AND DEFINED ENV{VOSSMERE_WINDOWS_PREFIX})
  set(VOSSMERE_WINDOWS_PREFIX $ENV{VOSSMERE_WINDOWS_PREFIX})
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${VOSSMERE_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(VOSSMERE_WINDOWS_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} ${VOSSMERE_WINDOWS_PREFIX}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
endif()
