# The toolbar kit and the strip windows (tramvell_views_toolbars): the buttons' appearance table and the
# toolbar's layout are platform-free; the views and windows draw in windows.
set(DRAVIM_VIEWS_TOOLBARS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ToolbarAppearance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ToolbarLayout.cpp)
set(DRAVIM_VIEWS_TOOLBARS_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/tests/ToolbarArithmeticTest.cpp)
set(DRAVIM_VIEWS_TOOLBARS_LIBS tramvell_geometry tramvell_regions tramvell_core)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_VIEWS_TOOLBARS_SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ToolbarView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ToolbarButtonViews.cpp
        ${CMAKE_CURRENT_LIST_DIR}/StripWindows.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/StripNativeWindow.cpp)
    list(APPEND DRAVIM_VIEWS_TOOLBARS_TESTS
        ${CMAKE_CURRENT_LIST_DIR}/tests/ToolbarViewsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ToolbarButtonsTest.cpp
        ${DRAVIM_VIEW_PICTURES_RC}
        ${DRAVIM_VIEW_PICTURE_FILES}
        ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp
        ${CMAKE_SOURCE_DIR}/framework/gui/drawing/tests/TestCanvas.cpp)
    list(APPEND DRAVIM_VIEWS_TOOLBARS_LIBS tramvell_windows tramvell_dialog_forms tramvell_drawing tramvell_bitmaps tramvell_menus tramvell_modules
        tramvell_platform)
    set(DRAVIM_VIEWS_TOOLBARS_TEST_LIBS gui_window_test_support dravim_test_program_resources gui_test_program_resources gdi32)
endif()
dravim_add_library(tramvell_views_toolbars
    SOURCES ${DRAVIM_VIEWS_TOOLBARS_SOURCES}
    PUBLIC_LIBS ${DRAVIM_VIEWS_TOOLBARS_LIBS})
dravim_add_test(views_toolbars_tests PLATFORM_MAIN SOURCES ${DRAVIM_VIEWS_TOOLBARS_TESTS}
    LIBS tramvell_views_toolbars ${DRAVIM_VIEWS_TOOLBARS_TEST_LIBS})
if(DRAVIM_WINDOWS)
    # Window tests share the one Wine desktop: they run one at a time.
    set_tests_properties(views_toolbars_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
