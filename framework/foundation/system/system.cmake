# The machine the program runs on: its description (the record, its stored block and the report texts are
# platform-free; collecting the facts asks the platform), the mount watcher and the stack walk (Windows only).
if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_machine
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/SystemInfo.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/SystemDescription.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/MountWatcher.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/StackWalker.cpp
        PUBLIC_LIBS tramvell_system tramvell_files tramvell_paths tramvell_runtime tramvell_platform tramvell_core)
else()
    dravim_add_library(tramvell_machine
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/SystemInfo.cpp
        PUBLIC_LIBS tramvell_core)
endif()

dravim_add_test(foundation_machine_text_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/SystemInfoTest.cpp
    LIBS tramvell_machine)

dravim_add_test(foundation_machine_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/SystemDescriptionTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MountWatcherTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/StackWalkerTest.cpp
    LIBS tramvell_machine
    TIMEOUT 120)
