# 32-bit Windows with MinGW-w64 (the -posix compilers, for std::thread and
# std::mutex). Built, not run: the tests run on the 64-bit build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(TIDYSET_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TIDYSET_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TIDYSET_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TIDYSET_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TIDYSET_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows' own DLLs only; libgcc's unwinder and libstdc++ are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
