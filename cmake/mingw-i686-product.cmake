# The program itself (the product tree that the Windows test tree builds, see app/CMakeLists.txt):
# the same cross compiler as mingw-i686.cmake, but with the win32 thread model. The program has
# one thread and uses no std::mutex or std::thread, and with this model libstdc++ and libgcc
# synchronise through Windows' own primitives instead of linking the POSIX thread library into
# the executable (some 25 KB). The test programs keep the posix model: GoogleTest needs std::mutex.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
# Archives of link-time-optimised objects need the compiler's archiver wrappers.
set(CMAKE_C_COMPILER_AR i686-w64-mingw32-gcc-ar-win32)
set(CMAKE_CXX_COMPILER_AR i686-w64-mingw32-gcc-ar-win32)
set(CMAKE_C_COMPILER_RANLIB i686-w64-mingw32-gcc-ranlib-win32)
set(CMAKE_CXX_COMPILER_RANLIB i686-w64-mingw32-gcc-ranlib-win32)
