# The Windows test programs: x86_64 with the posix thread model's compilers,
# since GCC 12's win32 model has no std::thread or std::mutex and GoogleTest
# and the tests use them. A tree of their own, run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Debian installs no wine64 on PATH; the loader itself runs PE32+ programs.
find_program(VELK_WINE64 wine64 HINTS /usr/lib/wine)
if(VELK_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VELK_WINE64})
endif()
