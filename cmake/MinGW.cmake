# Cross-building the Windows program on Debian with mingw-w64 (the posix
# thread model of g++-mingw-w64-x86-64-posix): 64-bit Windows, static, so the
# executable needs no DLL of the compiler beside it.
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TICKWRIGHT_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${TICKWRIGHT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TICKWRIGHT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TICKWRIGHT_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TICKWRIGHT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# What is built here runs under Wine; the tests give their programs a Wine
# prefix of their own (tests/win32/InPrefix.sh as their emulator).
find_program(TICKWRIGHT_WINE wine)
if(TICKWRIGHT_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TICKWRIGHT_WINE})
endif()
