# The application core: run states, main loop, idle pulse, quit protocol, command line and open requests,
# exception alerts, memory shortage, the window registry and the program entry. tramvell_app_core is
# platform-free; tramvell_application (Windows only) is the application object, the idle pulse, the
# single-instance hand-over, frame mode's stored settings and the entry.
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
        ${CMAKE_CURRENT_LIST_DIR}/PriorityLevels.cpp
        ${CMAKE_CURRENT_LIST_DIR}/RecentFiles.cpp
    PUBLIC_LIBS tramvell_system tramvell_paths tramvell_versions tramvell_strings tramvell_runtime tramvell_core)
# Alerts are shown by the alert box (dialogs/), which the Windows build links back.
if(NOT DRAVIM_WINDOWS)
    target_sources(tramvell_app_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/HostAlerts.cpp)
endif()

dravim_add_test(gui_app_core_tests PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/WindowRegistryTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CommandLineTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/OpenRequestsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ExceptionAlertsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MemoryShortageTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PriorityLevelsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/RecentFilesTest.cpp
    LIBS tramvell_app_core gui_test_fakes)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_application
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/Application.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/IdlePulse.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/SingleInstance.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/ProgramEntry.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/FrameSettings.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/Routing.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/FrameBars.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/RecentFiles.cpp
        PUBLIC_LIBS tramvell_menus tramvell_app_core tramvell_bitmaps tramvell_system tramvell_modules tramvell_files
                    tramvell_platform)
endif()

# Window tests share the one Wine desktop (focus and activation): they run one at a time.
dravim_add_test(gui_application_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ApplicationTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PumpTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/IdlePulseTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/SingleInstanceTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ProgramEntryTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/FrameSettingsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/RecentFilesWin32Test.cpp
    LIBS gui_test_support dravim_test_program_resources gui_test_program_resources)

if(TARGET gui_application_tests)
    set_tests_properties(gui_application_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()

# The entry with its real steps, under the Xvfb display: the test's main binds nothing.
dravim_add_test(gui_entry_smoke_tests WINDOWS_ONLY NO_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/EntrySmokeTest.cpp
    LIBS gui_test_support dravim_test_program_resources gui_test_program_resources)

if(TARGET gui_entry_smoke_tests)
    set_tests_properties(gui_entry_smoke_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
