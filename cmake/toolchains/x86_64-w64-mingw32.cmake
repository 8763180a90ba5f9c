# Cross-builds a 64-bit Windows program with MinGW-w64 (Debian package
# g++-mingw-w64-x86-64-posix). The program is linked statically, so the .exe needs
# nothing beside it on the Windows machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FLOPPYSPLIT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FLOPPYSPLIT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FLOPPYSPLIT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${FLOPPYSPLIT_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FLOPPYSPLIT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The GCC runtime and the C++ library come along inside the .exe as well.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
