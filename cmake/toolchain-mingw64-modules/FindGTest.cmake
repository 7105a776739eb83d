# GoogleTest for the Windows cross-build: built from the Debian sources with
# the cross compiler, since the system's libraries are Linux ones.
set(VANTOREL_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross-build")
if(NOT TARGET gtest)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VANTOREL_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
if(NOT TARGET GTest::gtest)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
set(GTest_FOUND TRUE)
set(GTEST_FOUND TRUE)
