# Links between processes. The synced FIFO and the message ring are platform-free and build everywhere.
set(DRAVIM_IPC_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SyncedFIFO.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageRing.cpp)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_ipc
        SOURCES ${DRAVIM_IPC_SOURCES}
        PUBLIC_LIBS tramvell_system tramvell_platform tramvell_core)
else()
    dravim_add_library(tramvell_ipc
        SOURCES ${DRAVIM_IPC_SOURCES}
        PUBLIC_LIBS tramvell_core)
endif()

# The Windows build runs the two-thread FIFO test on the framework's threads, hence the platform main.
dravim_add_test(foundation_ipc_text_tests PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/SyncedFIFOTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MessageRingTest.cpp
    LIBS tramvell_ipc)
