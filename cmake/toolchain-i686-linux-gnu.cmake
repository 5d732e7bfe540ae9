# The portable code on a 32-bit x86 ABI: static i686 Linux programs, run
# through qemu-i386 so that they run whether or not the kernel runs 32-bit code.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386)
set(CMAKE_FIND_ROOT_PATH /usr/i686-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# GoogleTest comes from its sources (libgtest-dev ships them): the Debian
# libraries are built for the machine's own ABI.
set(ZORVANEX_GTEST_FROM_SOURCE ON CACHE BOOL "" FORCE)
