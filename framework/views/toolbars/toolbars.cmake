# The toolbar kit and the strip windows (tramvell_views_toolbars): the buttons' appearance table and the
# toolbar's layout are platform-free; the views and windows draw in windows.
set(DRAVIM_VIEWS_TOOLBARS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ToolbarAppearance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToolbarLayout.cpp)
set(DRAVIM_VIEWS_TOOLBARS_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/tests/ToolbarArithmeticTest.cpp)
set(DRAVIM_VIEWS_TOOLBARS_LIBS tramvell_geometry tramvell_core)
dravim_add_library(tramvell_views_toolbars
    SOURCES ${DRAVIM_VIEWS_TOOLBARS_SOURCES}
    PUBLIC_LIBS ${DRAVIM_VIEWS_TOOLBARS_LIBS})
dravim_add_test(views_toolbars_tests PLATFORM_MAIN SOURCES ${DRAVIM_VIEWS_TOOLBARS_TESTS}
    LIBS tramvell_views_toolbars)
