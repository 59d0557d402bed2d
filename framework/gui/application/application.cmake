# The application core: the window registry and the quit confirmation, the command line and open requests,
# exception alerts, memory shortage, and the calls into the window layer (tramvell_app_core, platform-free).
dravim_add_library(tramvell_app_core
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/GuiExceptions.cpp
        ${CMAKE_CURRENT_LIST_DIR}/GuiConstants.cpp
        ${CMAKE_CURRENT_LIST_DIR}/WindowRegistry.cpp
        ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
        ${CMAKE_CURRENT_LIST_DIR}/OpenRequests.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ExceptionAlerts.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Purgeable.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MemoryShortage.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Alerts.cpp
        ${CMAKE_CURRENT_LIST_DIR}/StandIns.cpp
    PUBLIC_LIBS tramvell_system tramvell_paths tramvell_strings tramvell_runtime tramvell_core)

dravim_add_test(gui_app_core_tests PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/WindowRegistryTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CommandLineTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/OpenRequestsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ExceptionAlertsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MemoryShortageTest.cpp
    LIBS tramvell_app_core gui_test_fakes)
