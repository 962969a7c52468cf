# Cross build for 64-bit Windows with Debian's clang and lld, on the mingw-w64 headers and
# libraries and the C++ library of the posix-thread GCC (GoogleTest needs std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# clang does not recognise GCC's folder by its "12-posix" name: point it at the headers
# and archives there, and at the thread library that GCC would add itself.
file(GLOB gccFolder /usr/lib/gcc/x86_64-w64-mingw32/*-posix)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${gccFolder}/include/c++
    ${gccFolder}/include/c++/x86_64-w64-mingw32 ${gccFolder}/include/c++/backward)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gccFolder} -pthread")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
