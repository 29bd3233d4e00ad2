# Cross build for 64-bit Windows with MinGW-w64. The POSIX thread model is
# needed for GoogleTest (the win32 model lacks std::mutex in GCC 12); the
# released exe uses the win32 one (mingw-w64-x86_64-win32.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

if(NOT BRIMLOCK_MINGW_THREADS)
    set(BRIMLOCK_MINGW_THREADS posix)
endif()
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-${BRIMLOCK_MINGW_THREADS})
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-${BRIMLOCK_MINGW_THREADS})
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Lets ctest (and gtest_discover_tests) run the cross-built tests under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
