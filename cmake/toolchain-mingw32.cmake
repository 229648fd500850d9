# 32-bit Windows, the shipped build: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake
# -DVELMOR_WXMSW_PREFIX=$(tools/build-wxmsw.sh i686)
set(_mingw_wine wine)
set(_mingw_arch i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
