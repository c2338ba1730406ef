# Cross build for the gateway: Linux on a 32-bit big-endian MIPS processor
# (o32 ABI), with Debian's mips-linux-gnu cross compiler. Programs built for
# the target (the unit tests) run under user-mode emulation, so CTest can run
# them on the build machine.
#
#   cmake -S . -B build/mips -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mips-linux-gnu.cmake
#
# javac still runs on the build machine (it only makes the JNI headers), and
# the JDK's jni.h serves the target too: its machine-dependent part for Linux
# only fixes jint to int and jlong to long long, the same on every Linux ABI.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR mips)

set(BUNDLE_TARGET_TRIPLE mips-linux-gnu)
set(BUNDLE_TARGET_SYSROOT /usr/${BUNDLE_TARGET_TRIPLE})

set(CMAKE_C_COMPILER ${BUNDLE_TARGET_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${BUNDLE_TARGET_TRIPLE}-g++)
# CMake takes the target's binutils (CMAKE_STRIP, CMAKE_READELF, ...) from
# the compiler's prefix: mips-linux-gnu-strip and so on.

# Libraries and headers of the target come from its cross sysroot only;
# programs (javac, the emulator) come from the build machine.
set(CMAKE_FIND_ROOT_PATH ${BUNDLE_TARGET_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The target's dynamic loader and libraries are under the cross sysroot.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-mips -L ${BUNDLE_TARGET_SYSROOT})
