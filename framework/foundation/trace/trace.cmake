# Trace and verify, opening web pages and programs with their registered handlers, worker threads and the
# thread pool. The hooks, the texts they show and the command-line work are platform-free and build
# everywhere; the back-ends that reach the platform, the openers and the threads are Windows only.
set(DRAVIM_SYSTEM_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Trace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Verify.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Launch.cpp)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_system
        SOURCES
            ${DRAVIM_SYSTEM_SOURCES}
            ${CMAKE_CURRENT_LIST_DIR}/win32/Trace.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/Verify.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/Launch.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/Thread.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ThreadPool.cpp
        PUBLIC_LIBS tramvell_modules tramvell_files tramvell_paths tramvell_runtime tramvell_platform tramvell_core)
else()
    dravim_add_library(tramvell_system
        SOURCES ${DRAVIM_SYSTEM_SOURCES}
        PUBLIC_LIBS tramvell_runtime tramvell_core)
endif()

dravim_add_test(foundation_system_text_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/TraceTextTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/VerifyTextTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/LaunchTextTest.cpp
    LIBS tramvell_system)

if(DRAVIM_WINDOWS)
    # Started by the process-start test: it writes its command line and working directory to the file that
    # DRAVIM_LAUNCH_RECORD names and then signals the event that DRAVIM_LAUNCH_RECORD_EVENT names.
    add_executable(foundation_launch_recorder ${CMAKE_CURRENT_LIST_DIR}/tests/LaunchRecorder.cpp)
    target_include_directories(foundation_launch_recorder PRIVATE ${CMAKE_SOURCE_DIR})
    dravim_target_options(foundation_launch_recorder)
    dravim_static_runtime(foundation_launch_recorder)

    # A code module needs its program's version block; the trace tests make one to have a main thread.
    add_library(foundation_system_tests_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/tests/TraceTestProgram.rc)
endif()

dravim_add_test(foundation_system_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/TraceWin32Test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/VerifyWin32Test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/LaunchWin32Test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ThreadTest.cpp
    LIBS tramvell_system dravim_test_program_module foundation_system_tests_resources
    TIMEOUT 120)

if(TARGET foundation_system_tests)
    add_dependencies(foundation_system_tests foundation_launch_recorder)
endif()
