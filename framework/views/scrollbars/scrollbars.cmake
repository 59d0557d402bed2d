# Scroll bars (tramvell_views_scrollbars): the range that scroll bars and scroll views exchange and the
# scroll-bar helpers (codes, wheel, keys) are platform-free; the scroll-bar view wraps the native control.
set(DRAVIM_VIEWS_SCROLLBARS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ScrollBarRange.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScrollBarSupport.cpp)
set(DRAVIM_VIEWS_SCROLLBARS_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/tests/ScrollBarArithmeticTest.cpp)
set(DRAVIM_VIEWS_SCROLLBARS_LIBS tramvell_geometry tramvell_input)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_VIEWS_SCROLLBARS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/ScrollBarView.cpp)
    list(APPEND DRAVIM_VIEWS_SCROLLBARS_TESTS
        ${CMAKE_CURRENT_LIST_DIR}/tests/ScrollBarViewTest.cpp
        ${CMAKE_SOURCE_DIR}/framework/views/controls/tests/ControlTestSupport.cpp
        ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp)
    list(APPEND DRAVIM_VIEWS_SCROLLBARS_LIBS tramvell_native_controls tramvell_dialog_forms tramvell_platform)
    set(DRAVIM_VIEWS_SCROLLBARS_TEST_LIBS gui_window_test_support dravim_test_program_resources
        gui_test_program_resources foundation_modules_manifest_tests_resources gdi32)
endif()
dravim_add_library(tramvell_views_scrollbars
    SOURCES ${DRAVIM_VIEWS_SCROLLBARS_SOURCES}
    PUBLIC_LIBS ${DRAVIM_VIEWS_SCROLLBARS_LIBS})
dravim_add_test(views_scrollbars_tests PLATFORM_MAIN SOURCES ${DRAVIM_VIEWS_SCROLLBARS_TESTS}
    LIBS tramvell_views_scrollbars ${DRAVIM_VIEWS_SCROLLBARS_TEST_LIBS})
if(DRAVIM_WINDOWS)
    # Window tests share the one Wine desktop: they run one at a time.
    set_tests_properties(views_scrollbars_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
