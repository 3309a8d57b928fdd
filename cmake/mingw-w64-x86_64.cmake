# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers. The posix flavour is the
# one with std::thread and std::mutex, which Qt and the programs both need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)
set(CMAKE_AR ${MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries and headers come from the MinGW sysroot and the cross-built Qt (added by the caller
# through CMAKE_PREFIX_PATH); programs such as moc come from the build machine.
# Libraries built for this build beside Qt (GLPK and libical: scripts/windows.sh passes their
# folders) are searched like the sysroot.
set(SOCCER_WINDOWS_LIBRARIES "" CACHE STRING "Folders of further libraries built for Windows")
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE} ${SOCCER_WINDOWS_LIBRARIES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The GCC runtime is linked in, so the programs need no libgcc/libstdc++ DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
