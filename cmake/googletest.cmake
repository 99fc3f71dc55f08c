# GoogleTest for the test suite. By default the system's installed package;
# with COLIB_GTEST_SOURCE_DIR (a googletest source tree, such as Debian's
# /usr/src/googletest) it is built here with this tree's compiler and flags,
# which a cross build or another standard library needs: a prebuilt libgtest
# only links with the toolchain it was built with.
set(COLIB_GTEST_SOURCE_DIR "" CACHE PATH "Build GoogleTest from this source tree instead of using the installed one")

if(COLIB_GTEST_SOURCE_DIR)
  if(NOT EXISTS ${COLIB_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "COLIB_GTEST_SOURCE_DIR (${COLIB_GTEST_SOURCE_DIR}) holds no googletest sources")
  endif()
  function(_colib_add_googletest)
    # Static, without gmock and install rules, whatever the library itself is.
    set(BUILD_SHARED_LIBS OFF)
    set(BUILD_GMOCK OFF)
    set(INSTALL_GTEST OFF)
    set(gtest_force_shared_crt ON)
    add_subdirectory(${COLIB_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  endfunction()
  _colib_add_googletest()
else()
  find_package(GTest REQUIRED)
endif()
