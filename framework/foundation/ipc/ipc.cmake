# Links between processes, and the trace client and console trace that use them. The synced FIFO, the
# message ring, the com-port layout and the trace lines are platform-free and build everywhere; the shared
# memory, named mutexes, com ports, trace client and console trace reach the platform and are Windows only.
set(DRAVIM_IPC_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SyncedFIFO.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageRing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComPortLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TraceLines.cpp)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_ipc
        SOURCES
            ${DRAVIM_IPC_SOURCES}
            ${CMAKE_CURRENT_LIST_DIR}/win32/SharedMemory.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/ConnectableSharedMemory.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/ComPort.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/TraceClient.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/ConsoleTrace.cpp
        PUBLIC_LIBS tramvell_system tramvell_modules tramvell_versions tramvell_strings tramvell_runtime tramvell_platform tramvell_core)
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
        ${CMAKE_CURRENT_LIST_DIR}/tests/ComPortLayoutTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/TraceLinesTest.cpp
    LIBS tramvell_ipc)

if(DRAVIM_WINDOWS)
    # The other process of the cross-process tests: serves a connectable block, or connects as a client
    # that stays until told to end or ends without disconnecting.
    add_executable(foundation_trace_peer ${CMAKE_CURRENT_LIST_DIR}/tests/TracePeer.cpp)
    target_link_libraries(foundation_trace_peer PRIVATE tramvell_ipc)
    dravim_target_options(foundation_trace_peer)
    dravim_static_runtime(foundation_trace_peer)

    add_library(foundation_ipc_test_support STATIC
        ${CMAKE_CURRENT_LIST_DIR}/tests/IpcTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/TraceLinkTestSupport.cpp)
    target_link_libraries(foundation_ipc_test_support PUBLIC tramvell_ipc GTest::gtest)
    dravim_target_options(foundation_ipc_test_support)
endif()

dravim_add_test(foundation_ipc_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/SharedMemoryTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ComPortTest.cpp
    LIBS foundation_ipc_test_support
    TIMEOUT 120)

if(TARGET foundation_ipc_tests)
    add_dependencies(foundation_ipc_tests foundation_trace_peer)
endif()

# The trace ports "TVLa" to "TVLj" are machine-wide: these tests take turns with anything else using them.
dravim_add_test(foundation_tracelink_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/TraceClientTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ConsoleTraceTest.cpp
    LIBS foundation_ipc_test_support dravim_test_program_module dravim_test_program_resources
    TIMEOUT 120)

if(TARGET foundation_tracelink_tests)
    set_tests_properties(foundation_tracelink_tests PROPERTIES RESOURCE_LOCK trace-ports)
endif()
