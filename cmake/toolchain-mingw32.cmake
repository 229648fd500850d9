# 32-bit Windows, the shipped build: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake
# -DVELMOR_WXMSW_PREFIX=$(tools/build-wxmsw.sh i686)
set(_mingw_wine wine)
set(_mingw_arch i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)

# Each double operation rounded to a double, as on every other build: the x87 unit keeps
# 80 bits between steps, and some speeds then round to another hundredth.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
