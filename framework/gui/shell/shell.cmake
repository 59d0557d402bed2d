# The clipboard, drag-in items and the shell name space (tramvell_shell): flavours, the private block, the
# drag records, identifier lists and their stored form are platform-free; the clipboard and shell items
# themselves are the platform's.
set(DRAVIM_SHELL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Clipboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DragItems.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShellItemList.cpp)
set(DRAVIM_SHELL_LIBS tramvell_app_core tramvell_versions tramvell_input tramvell_geometry tramvell_strings tramvell_core)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_SHELL_SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/Clipboard.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/ShellItem.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DragOutState.cpp)
    list(APPEND DRAVIM_SHELL_LIBS tramvell_view_base tramvell_application tramvell_files tramvell_platform uuid)
endif()
dravim_add_library(tramvell_shell SOURCES ${DRAVIM_SHELL_SOURCES} PUBLIC_LIBS ${DRAVIM_SHELL_LIBS})

dravim_add_test(gui_shell_tests PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ClipboardFormsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DragItemsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ShellItemListTest.cpp
    LIBS tramvell_shell)

# The clipboard and the shell under the test application (its message-only window owns the clipboard).
dravim_add_test(gui_shell_platform_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ClipboardTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ShellItemTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DragOutStateTest.cpp
    LIBS tramvell_shell tramvell_bitmaps gui_window_test_support dravim_test_program_resources gui_test_program_resources)
if(TARGET gui_shell_platform_tests)
    set_tests_properties(gui_shell_platform_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
