# Scrolling (tramvell_views_scrolling): the arithmetic of scroll axes, scroll positions and states, the
# repeat button's timing and the single-line edit's key filter are platform-free; the scroll views, the
# separator line and their drawing live in windows.
set(DRAVIM_VIEWS_SCROLLING_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ScrollAxis.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScrollPositions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RepeatTiming.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SingleLineKeys.cpp)
set(DRAVIM_VIEWS_SCROLLING_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/tests/ScrollArithmeticTest.cpp)
set(DRAVIM_VIEWS_SCROLLING_LIBS tramvell_geometry tramvell_input tramvell_core)
dravim_add_library(tramvell_views_scrolling
    SOURCES ${DRAVIM_VIEWS_SCROLLING_SOURCES}
    PUBLIC_LIBS ${DRAVIM_VIEWS_SCROLLING_LIBS})
dravim_add_test(views_scrolling_tests PLATFORM_MAIN SOURCES ${DRAVIM_VIEWS_SCROLLING_TESTS}
    LIBS tramvell_views_scrolling)
