# Cross toolchain: 64-bit Windows with mingw-w64 (posix threads), everything linked statically.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VANTREL_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${VANTREL_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTREL_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTREL_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VANTREL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# No runtime DLL may travel with the program: libgcc, libstdc++ and winpthread go inside.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
