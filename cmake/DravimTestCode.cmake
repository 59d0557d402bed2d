# Test code is built for a short build, not for speed: the test programs, their support libraries, stand-ins
# and fixtures, and GoogleTest. Three quarters of a build's compile time went into test sources, most of it
# into optimising GoogleTest's expanded assertions and describing them for a debugger at -O2 -g. The code
# under test keeps the flags it ships with: only targets of test code get these, and a shipped binary that
# links one stops the configure step.

# -g1 keeps the functions and lines of a backtrace. The Windows builds take -Og: the flow warnings
# (-Wmaybe-uninitialized) need an optimiser, and -O0 code, GoogleTest's above all, makes a test
# program's link several times as long. The host build takes -O0, since -Og on code instrumented by the
# sanitizers costs half as much again, and the test sources it compiles are compiled, and warned about,
# by the Windows builds too. The fuzz build keeps its own flags everywhere: the bodies that libFuzzer drives
# lie in tests/ folders.
if(DRAVIM_FUZZ)
    set(DRAVIM_TEST_CODE_FLAGS_DEFAULT "")
elseif(DRAVIM_WINDOWS)
    set(DRAVIM_TEST_CODE_FLAGS_DEFAULT "-Og -g1")
else()
    set(DRAVIM_TEST_CODE_FLAGS_DEFAULT "-O0 -g1")
endif()
set(DRAVIM_TEST_CODE_FLAGS "${DRAVIM_TEST_CODE_FLAGS_DEFAULT}" CACHE STRING
    "C and C++ flags of test code, after the build type's (-O0 -g for a test to step through in a debugger)")
separate_arguments(DRAVIM_TEST_CODE_OPTIONS UNIX_COMMAND "${DRAVIM_TEST_CODE_FLAGS}")

# A compiler cache cannot keep what is compiled against a precompiled header unless told to ignore it, and
# with a warm cache the header saves nothing: so the header is used only without a compiler launcher.
if(CMAKE_CXX_COMPILER_LAUNCHER OR DRAVIM_FUZZ)
    set(DRAVIM_TEST_PCH_DEFAULT OFF)
else()
    set(DRAVIM_TEST_PCH_DEFAULT ON)
endif()
option(DRAVIM_TEST_PCH "Compile gtest/gtest.h once for all test programs of the build" ${DRAVIM_TEST_PCH_DEFAULT})

# dravim_test_code_options(target): the flags of test code on one target.
function(dravim_test_code_options target)
    if(DRAVIM_TEST_CODE_OPTIONS)
        target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:C,CXX>:${DRAVIM_TEST_CODE_OPTIONS}>")
    endif()
    set_property(TARGET ${target} PROPERTY DRAVIM_TEST_CODE TRUE)
endfunction()

dravim_test_code_options(gtest)

# One precompiled gtest/gtest.h for every test program (each test source spent about a second parsing it):
# compiled for each program, it would cost about as much as it saves. Its users must be compiled with the
# same flags (dravim_target_options and the test code's); CMake adds -Winvalid-pch, so with -Werror a
# program that does not match fails to build instead of silently parsing the header again.
if(DRAVIM_TEST_PCH)
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/dravim_test_pch.cpp CONTENT "// The precompiled header's own unit.\n")
    add_library(dravim_test_pch OBJECT ${CMAKE_BINARY_DIR}/dravim_test_pch.cpp)
    target_include_directories(dravim_test_pch PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(dravim_test_pch PRIVATE GTest::gtest)
    target_precompile_headers(dravim_test_pch PRIVATE <gtest/gtest.h>)
    dravim_target_options(dravim_test_pch)
    dravim_test_code_options(dravim_test_pch)
endif()

# dravim_test_program_code(target): a GoogleTest program, test code with the shared precompiled header.
function(dravim_test_program_code target)
    dravim_test_code_options(${target})
    if(DRAVIM_TEST_PCH)
        target_precompile_headers(${target} REUSE_FROM dravim_test_pch)
    endif()
endfunction()

# The targets that a directory and the directories below it define.
function(dravim_collect_targets dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        dravim_collect_targets(${subdir} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Whether every C and C++ source that the target compiles lies in a tests/ folder of the sources.
function(dravim_is_test_code target out)
    set(${out} FALSE PARENT_SCOPE)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
        return()
    endif()
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    set(compiled 0)
    foreach(source IN LISTS sources)
        if(source MATCHES "^\\$<" OR NOT source MATCHES "\\.(c|cc|cpp|cxx)$")
            continue()
        endif()
        get_filename_component(path ${source} ABSOLUTE BASE_DIR ${source_dir})
        file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${path})
        if(NOT relative MATCHES "(^|/)tests/")
            return()
        endif()
        math(EXPR compiled "${compiled} + 1")
    endforeach()
    if(compiled GREATER 0)
        set(${out} TRUE PARENT_SCOPE)
    endif()
endfunction()

# The targets that a target links, all the way down.
function(dravim_link_closure target out)
    set(seen)
    set(pending ${target})
    while(NOT pending STREQUAL "")
        list(POP_FRONT pending current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(aliased ${current} ALIASED_TARGET)
        if(aliased)
            list(APPEND pending ${aliased})
            continue()
        endif()
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(links ${current} ${property})
            if(NOT links)
                continue()
            endif()
            foreach(link IN LISTS links)
                string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
                if(NOT link MATCHES "^\\$<")
                    list(APPEND pending ${link})
                endif()
            endforeach()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# After every target exists: the test code's flags on every target of test code that has not got them
# yet, then the check that no shipped binary links test code.
function(dravim_finish_test_code)
    dravim_collect_targets(${CMAKE_SOURCE_DIR} targets)
    foreach(target IN LISTS targets)
        get_target_property(marked ${target} DRAVIM_TEST_CODE)
        if(marked)
            continue()
        endif()
        dravim_is_test_code(${target} is_test_code)
        if(is_test_code)
            dravim_test_code_options(${target})
        endif()
    endforeach()
    get_property(shipped GLOBAL PROPERTY DRAVIM_SHIPPED_BINARIES)
    foreach(binary IN LISTS shipped)
        dravim_link_closure(${binary} closure)
        foreach(target IN LISTS closure)
            get_target_property(marked ${target} DRAVIM_TEST_CODE)
            if(marked)
                message(FATAL_ERROR "The shipped ${binary} links ${target}, which is built as test code")
            endif()
        endforeach()
    endforeach()
endfunction()
