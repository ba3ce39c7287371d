# Compiler settings every target of the project shares.

add_library(lorvane_options INTERFACE)

if(MSVC)
  # Sources are UTF-8; narrow literals are Windows-1252 at run time, as the ANSI API expects.
  target_compile_options(lorvane_options INTERFACE
    /W4 /permissive- /source-charset:utf-8 /execution-charset:windows-1252)
  target_compile_definitions(lorvane_options INTERFACE _CRT_SECURE_NO_WARNINGS)
else()
  target_compile_options(lorvane_options INTERFACE -Wall -Wextra -Wpedantic)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # Sources are UTF-8; narrow literals are Windows-1252 at run time, as the ANSI API expects.
    target_compile_options(lorvane_options INTERFACE -finput-charset=UTF-8 -fexec-charset=CP1252)
  endif()
  # Clang only knows UTF-8, so its builds (the fuzz targets) keep the French texts in UTF-8:
  # no fuzzed property depends on them, and the tokens read from the labels are ASCII.
endif()

if(MINGW)
  # One exe that needs no DLL Windows does not ship.
  target_link_options(lorvane_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

if(WIN32)
  target_compile_definitions(lorvane_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()
