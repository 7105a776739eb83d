# Cross-build for 64-bit Windows with the MinGW-w64 toolchain (posix
# threads, so std::mutex and std::thread work). Programs built here run
# under Wine through the wrapper beside this file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANTOREL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VANTOREL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTOREL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTOREL_MINGW_TRIPLET}-windres)
set(CMAKE_OBJDUMP ${VANTOREL_MINGW_TRIPLET}-objdump CACHE FILEPATH "objdump of the cross toolchain")

set(CMAKE_FIND_ROOT_PATH /usr/${VANTOREL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything the runtime needs goes into each binary: the DLL and the test
# programs then load only Windows system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw64-wine.sh)

# GoogleTest and nlohmann/json come from the build machine's sources and
# headers through the find modules in this folder.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw64-modules)
# Listing the tests runs the program under Wine: do it when ctest runs,
# in the Wine prefix of that run, not at build time.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
