# Menus (tramvell_menus): menus built from menu scripts, their items and key equivalents, and the menu
# bar. The logic is platform-free; the native menus are reached through a small seam, bound to the
# platform's tables in Windows builds and kept in memory in the host build.
if(DRAVIM_WINDOWS)
    set(DRAVIM_MENU_CALLS
        ${CMAKE_CURRENT_LIST_DIR}/win32/NativeMenuCalls.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/PopupMenu.cpp)
    set(DRAVIM_MENU_PLATFORM tramvell_platform)
else()
    set(DRAVIM_MENU_CALLS ${CMAKE_CURRENT_LIST_DIR}/NativeMenuCallsHost.cpp)
    set(DRAVIM_MENU_PLATFORM)
endif()
dravim_add_library(tramvell_menus
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/Menu.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MenuScript.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MenuBar.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MenuCommand.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MenuSections.cpp
        ${DRAVIM_MENU_CALLS}
    PUBLIC_LIBS tramvell_input tramvell_app_core tramvell_strings tramvell_core ${DRAVIM_MENU_PLATFORM})

set(DRAVIM_MENU_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/MenuTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/MenuBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/MenuSectionsTest.cpp)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_MENU_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/PopupMenuTest.cpp)
endif()
dravim_add_test(gui_menus_tests PLATFORM_MAIN SOURCES ${DRAVIM_MENU_TESTS} LIBS tramvell_menus gui_test_fakes)
