# Scroll bars (tramvell_views_scrollbars): the range that scroll bars and scroll views exchange and the
# scroll-bar helpers (codes, wheel, keys) are platform-free; the scroll-bar view wraps the native control.
set(DRAVIM_VIEWS_SCROLLBARS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ScrollBarRange.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScrollBarSupport.cpp)
set(DRAVIM_VIEWS_SCROLLBARS_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/tests/ScrollBarArithmeticTest.cpp)
set(DRAVIM_VIEWS_SCROLLBARS_LIBS tramvell_geometry tramvell_input)
dravim_add_library(tramvell_views_scrollbars
    SOURCES ${DRAVIM_VIEWS_SCROLLBARS_SOURCES}
    PUBLIC_LIBS ${DRAVIM_VIEWS_SCROLLBARS_LIBS})
dravim_add_test(views_scrollbars_tests PLATFORM_MAIN SOURCES ${DRAVIM_VIEWS_SCROLLBARS_TESTS}
    LIBS tramvell_views_scrollbars ${DRAVIM_VIEWS_SCROLLBARS_TEST_LIBS})
if(DRAVIM_WINDOWS)
    # Window tests share the one Wine desktop: they run one at a time.
    set_tests_properties(views_scrollbars_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
