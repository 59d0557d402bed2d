# Group boxes, foldable groups and small buttons (tramvell_views_groups): the magnify scale's arithmetic
# is platform-free; the views draw in windows.
set(DRAVIM_VIEWS_GROUPS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MagnifyScale.cpp)
set(DRAVIM_VIEWS_GROUPS_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/tests/MagnifyScaleTest.cpp)
set(DRAVIM_VIEWS_GROUPS_LIBS tramvell_geometry tramvell_core)
dravim_add_library(tramvell_views_groups
    SOURCES ${DRAVIM_VIEWS_GROUPS_SOURCES}
    PUBLIC_LIBS ${DRAVIM_VIEWS_GROUPS_LIBS})
dravim_add_test(views_groups_tests PLATFORM_MAIN SOURCES ${DRAVIM_VIEWS_GROUPS_TESTS}
    LIBS tramvell_views_groups)
