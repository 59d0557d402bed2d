# Lines of text (tramvell_views_lists): the string list and the terminal's arithmetic and text output are
# platform-free; the terminal view draws in windows, the pop-up button lists one in a native drop-down.
set(DRAVIM_VIEWS_LISTS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/StringList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TerminalLayout.cpp)
set(DRAVIM_VIEWS_LISTS_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/tests/StringListTest.cpp)
set(DRAVIM_VIEWS_LISTS_LIBS tramvell_strings tramvell_core)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_VIEWS_LISTS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/TerminalView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/PopupButtonView.cpp)
    list(APPEND DRAVIM_VIEWS_LISTS_TESTS
        ${CMAKE_CURRENT_LIST_DIR}/tests/TerminalViewTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PopupButtonViewTest.cpp
        ${CMAKE_SOURCE_DIR}/framework/views/controls/tests/ControlTestSupport.cpp
        ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp
        ${CMAKE_SOURCE_DIR}/framework/gui/drawing/tests/TestCanvas.cpp)
    list(APPEND DRAVIM_VIEWS_LISTS_LIBS tramvell_windows tramvell_view_base tramvell_drawing tramvell_platform
        tramvell_native_controls tramvell_page_values tramvell_dialog_forms)
    set(DRAVIM_VIEWS_LISTS_TEST_LIBS gui_window_test_support dravim_test_program_resources gui_test_program_resources
        gdi32)
endif()
dravim_add_library(tramvell_views_lists
    SOURCES ${DRAVIM_VIEWS_LISTS_SOURCES}
    PUBLIC_LIBS ${DRAVIM_VIEWS_LISTS_LIBS})
dravim_add_test(views_lists_tests PLATFORM_MAIN SOURCES ${DRAVIM_VIEWS_LISTS_TESTS}
    LIBS tramvell_views_lists ${DRAVIM_VIEWS_LISTS_TEST_LIBS})
if(DRAVIM_WINDOWS)
    # Window tests share the one Wine desktop: they run one at a time.
    set_tests_properties(views_lists_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
