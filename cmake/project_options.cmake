# Compiler settings every target of the project shares.

add_library(lorvane_options INTERFACE)

if(MSVC)
  # Sources and the program's texts are UTF-8.
  target_compile_options(lorvane_options INTERFACE /W4 /permissive- /utf-8)
  target_compile_definitions(lorvane_options INTERFACE _CRT_SECURE_NO_WARNINGS)
else()
  target_compile_options(lorvane_options INTERFACE -Wall -Wextra -Wpedantic)
  # Sources and the program's texts are UTF-8 (GCC and Clang take both by default).
endif()

if(MINGW)
  # One exe that needs no DLL Windows does not ship.
  target_link_options(lorvane_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

if(WIN32)
  # UNICODE: a Win32 call without its W or A suffix means the wide one.
  target_compile_definitions(lorvane_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()
