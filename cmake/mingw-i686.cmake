# Cross toolchain for the 32-bit Windows build, the shipping target (it cannot run on these machines).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
# The win32 thread model: the program has one thread, and the POSIX model's runtime (winpthread)
# imports functions that Windows XP does not have, GetTickCount64 among them.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(TAVEL_OBJDUMP i686-w64-mingw32-objdump)
# The headers of Windows XP: a call that XP lacks does not compile.
set(CMAKE_C_FLAGS_INIT "-D_WIN32_WINNT=0x0501 -DWINVER=0x0501")
set(CMAKE_CXX_FLAGS_INIT "-D_WIN32_WINNT=0x0501 -DWINVER=0x0501")
# The shipping build is optimised for size: each function and datum in a section of its own, and
# the linker drops what nothing uses, then the symbols.
# (Cache entries: CMake would append -O3 to the _INIT values of a Release build.)
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG -ffunction-sections -fdata-sections" CACHE STRING "")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG -ffunction-sections -fdata-sections" CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE "-Wl,--gc-sections -s" CACHE STRING "")
# An exception that nobody catches ends the program as abort() does. The runtime's own handler
# would first print the exception's name, which no one sees from a windowed program, and it
# brings a C++ name demangler of some 46 KB with it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--defsym,__ZN9__gnu_cxx27__verbose_terminate_handlerEv=_abort")
