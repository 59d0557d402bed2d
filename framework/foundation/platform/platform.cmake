# The time base, idle manager, initialise/exit registry, memory reserves, 64-bit values and random numbers
# (tramvell_runtime, platform-free), and the bound tables of platform functions with the calls that use them
# (tramvell_platform, Windows only).
dravim_add_library(tramvell_runtime
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/TimeBase.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FrameTimer.cpp
        ${CMAKE_CURRENT_LIST_DIR}/IdleManager.cpp
        ${CMAKE_CURRENT_LIST_DIR}/InitializeExit.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MemoryReserve.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Int64.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Random.cpp
        ${CMAKE_CURRENT_LIST_DIR}/PlatformCalls.cpp
    PUBLIC_LIBS tramvell_core)

dravim_add_test(foundation_runtime_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/TimeBaseTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/IdleManagerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/InitializeExitTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MemoryReserveTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/Int64Test.cpp
    LIBS tramvell_runtime)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_platform
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/PlatformTables.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/PlatformCalls.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/TimeBase.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/Random.cpp
        PUBLIC_LIBS tramvell_runtime tramvell_core
        PRIVATE_LIBS kernel32 user32 gdi32 comctl32 ole32 comdlg32)
endif()

dravim_add_test(foundation_platform_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/PlatformTablesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/TimeBaseWin32Test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/RandomTest.cpp
    LIBS tramvell_platform)
