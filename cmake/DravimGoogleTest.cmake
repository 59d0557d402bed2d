# GoogleTest from Debian's source package, built inside each configuration.
set(DRAVIM_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
if(NOT EXISTS ${DRAVIM_GOOGLETEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest source not found at ${DRAVIM_GOOGLETEST_SOURCE}: install Debian's googletest package")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${DRAVIM_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
if(DRAVIM_WINDOWS)
    # The gtest libraries are linked statically into each test program.
    target_compile_options(gtest PRIVATE -w)
    # The win32 thread model's runtime lacks what GoogleTest's Notification is made of; our hook header
    # gives it one.
    target_include_directories(gtest BEFORE PUBLIC ${CMAKE_SOURCE_DIR}/tests/support/gtest-custom)
endif()
