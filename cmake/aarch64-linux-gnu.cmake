# Cross toolchain for aarch64, Debian's g++-aarch64-linux-gnu (the aarch64
# preset). The static programs need no sysroot to run: the tests start them
# directly, as binfmt_misc hands them to qemu-user on another machine.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
