# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads), the
# programs run under wine.
#
#   cmake --preset windows     (or -DCMAKE_TOOLCHAIN_FILE=<this file>)
#
# Programs are linked with the compiler's runtime (libgcc, libstdc++,
# winpthread) built in, so the only DLL a test needs is colib's own. wine
# keeps its state in <build>/wine, created on first use; CTest runs every
# test program through it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(COLIB_MINGW_TRIPLE x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER ${COLIB_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER ${COLIB_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER ${COLIB_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${COLIB_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# wine: Debian installs the 64-bit loader in wine's library folder, outside
# PATH.
find_program(COLIB_WINE64 NAMES wine64 wine
  PATHS /usr/lib/wine /usr/lib/x86_64-linux-gnu/wine /usr/lib64/wine /opt/wine-stable/bin)
if(COLIB_WINE64)
  set(COLIB_WINEPREFIX ${CMAKE_BINARY_DIR}/wine CACHE PATH "wine's state for the tests")
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${COLIB_WINEPREFIX} WINEDEBUG=-all ${COLIB_WINE64})
endif()
