# Cross-building the Windows programs on Debian with mingw-w64 (posix thread model, so the
# standard library's threads work), linked statically: the programs need only system DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(HALVORIN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HALVORIN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HALVORIN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${HALVORIN_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HALVORIN_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
# -O2 as the Linux build has it. mingw-w64's gcc 12 warns falsely (-Wrestrict) inside its own
# string header where literals are joined to strings; the warning says nothing about our code.
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-O2 -DNDEBUG")
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# Tests run under wine; the paths compiled into them are seen there through the Z: drive.
find_program(HALVORIN_WINE NAMES wine wine64)
if(HALVORIN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${HALVORIN_WINE})
endif()
set(HALVORIN_HOST_PATH_PREFIX "Z:")
