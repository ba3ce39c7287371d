# Cross-compiling the Windows program with Debian's clang for the mingw-w64 target, against
# the same runtime as the gcc build: mingw-w64's headers and libraries, and the C++ library
# of its POSIX-threads gcc, which clang does not find alone (it cannot read the version in
# the folder name "12-posix").
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(lorvane_mingw_root /usr/x86_64-w64-mingw32)
file(GLOB lorvane_gcc_dirs LIST_DIRECTORIES true /usr/lib/gcc/x86_64-w64-mingw32/*-posix)
list(SORT lorvane_gcc_dirs COMPARE NATURAL ORDER DESCENDING)
list(GET lorvane_gcc_dirs 0 lorvane_gcc_dir)
if(NOT IS_DIRECTORY "${lorvane_gcc_dir}/include/c++")
  message(FATAL_ERROR "no C++ library of mingw-w64's POSIX gcc under /usr/lib/gcc/x86_64-w64-mingw32")
endif()

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_SYSROOT ${lorvane_mingw_root})
# Resource scripts stay with binutils' compiler, as in the gcc build.
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_CXX_FLAGS_INIT
    "-isystem ${lorvane_gcc_dir}/include/c++ -isystem ${lorvane_gcc_dir}/include/c++/x86_64-w64-mingw32 -isystem ${lorvane_gcc_dir}/include/c++/backward -pthread")
# -B finds gcc's crtbegin.o and crtend.o; the C++ library's threads are winpthreads'.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -B${lorvane_gcc_dir} -L${lorvane_gcc_dir} -pthread")

set(CMAKE_FIND_ROOT_PATH ${lorvane_mingw_root})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
