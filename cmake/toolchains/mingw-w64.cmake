# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64.cmake
# There is no Qt for MinGW on Debian, so the window is not built; everything else is.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(METALWEIGHT_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${METALWEIGHT_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${METALWEIGHT_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${METALWEIGHT_MINGW_PREFIX}-windres)

# Look for libraries and headers of the target only, never the host's /usr/include.
set(CMAKE_FIND_ROOT_PATH /usr/${METALWEIGHT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs run without MinGW's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest runs the test programs under Wine (Debian: wine64); the prefix lives in the
# build folder and is made by the first run (scripts/test.sh starts it before ctest).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh
    ${CMAKE_BINARY_DIR}/wineprefix)
