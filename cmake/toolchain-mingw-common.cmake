# Shared part of the mingw-w64 toolchain files; _mingw_arch is set by the including file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${_mingw_arch})
set(_mingw ${_mingw_arch}-w64-mingw32)

# posix thread model: GoogleTest needs std::mutex, which the win32 model lacks.
find_program(VELMOR_MINGW_CXX NAMES ${_mingw}-g++-posix REQUIRED)
find_program(VELMOR_MINGW_CC NAMES ${_mingw}-gcc-posix REQUIRED)
set(CMAKE_CXX_COMPILER ${VELMOR_MINGW_CXX})
set(CMAKE_C_COMPILER ${VELMOR_MINGW_CC})
set(CMAKE_RC_COMPILER ${_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in: the exe needs no DLL beside the system's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# wxMSW from tools/build-wxmsw.sh: pass its output as VELMOR_WXMSW_PREFIX (a cache
# variable or the environment).
if(NOT VELMOR_WXMSW_PREFIX AND DEFINED ENV{VELMOR_WXMSW_PREFIX})
  set(VELMOR_WXMSW_PREFIX "$ENV{VELMOR_WXMSW_PREFIX}")
endif()
if(VELMOR_WXMSW_PREFIX)
  # Forced, so that a build folder follows the prefix when the cache entry changes.
  set(wxWidgets_CONFIG_EXECUTABLE "${VELMOR_WXMSW_PREFIX}/bin/wx-config"
      CACHE FILEPATH "wx-config of the cross-built wxMSW" FORCE)
  list(APPEND CMAKE_FIND_ROOT_PATH "${VELMOR_WXMSW_PREFIX}")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELMOR_WXMSW_PREFIX)

# Lets ctest run the test executables. Debian's /usr/bin/wine prefers the 32-bit
# loader whenever wine32 is installed, so 64-bit builds name wine64's own loader.
find_program(VELMOR_WINE NAMES ${_mingw_wine} wine PATHS /usr/lib/wine)
if(VELMOR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMOR_WINE})
endif()
