# What both MinGW-w64 toolchains share; TIDYSET_MINGW_TRIPLET is set first.
# The -posix compilers, for std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TIDYSET_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TIDYSET_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TIDYSET_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TIDYSET_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Linking statically is the project's business (CMakeLists.txt).
