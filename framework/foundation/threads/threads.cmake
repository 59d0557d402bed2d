# Locks, the worker thread, the timer and the message window that carries events to the user-interface
# thread. All of it waits on or posts to the platform: Windows only.
if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_threads
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/SpinLock.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/LockObject.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/WorkerThread.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/Timer.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/EventHandler.cpp
        PUBLIC_LIBS tramvell_system tramvell_modules tramvell_runtime tramvell_platform tramvell_core)

    # The bound kernel table carries the timer service's calls.
    target_link_libraries(tramvell_platform PRIVATE winmm)
endif()

dravim_add_test(foundation_threads_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ThreadsTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/LocksTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/TimerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/EventHandlerTest.cpp
    LIBS tramvell_threads dravim_test_program_resources
    TIMEOUT 120)
