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
set(DRAVIM_VIEWS_SCROLLING_LIBS tramvell_views_scrollbars tramvell_geometry tramvell_input tramvell_core)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_VIEWS_SCROLLING_SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ScrollView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ScrollView2.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SeparatorLineView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SplitterView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/StaticBitmapView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/RepeatBitmapButtonView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/ScrollWindowContents.cpp)
    list(APPEND DRAVIM_VIEWS_SCROLLING_TESTS
        ${CMAKE_CURRENT_LIST_DIR}/tests/ScrollViewTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ViewResourcesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/SplitterViewTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/StaticBitmapViewTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/RepeatBitmapButtonTest.cpp
        ${DRAVIM_VIEW_PICTURES_RC}
        ${DRAVIM_VIEW_PICTURE_FILES}
        ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp
        ${CMAKE_SOURCE_DIR}/framework/gui/drawing/tests/TestCanvas.cpp)
    list(APPEND DRAVIM_VIEWS_SCROLLING_LIBS tramvell_views_groups tramvell_dialog_forms tramvell_windows tramvell_drawing tramvell_bitmaps
        tramvell_platform)
    set(DRAVIM_VIEWS_SCROLLING_TEST_LIBS gui_window_test_support dravim_test_program_resources gui_test_program_resources gdi32)
endif()
dravim_add_library(tramvell_views_scrolling
    SOURCES ${DRAVIM_VIEWS_SCROLLING_SOURCES}
    PUBLIC_LIBS ${DRAVIM_VIEWS_SCROLLING_LIBS})
dravim_add_test(views_scrolling_tests PLATFORM_MAIN SOURCES ${DRAVIM_VIEWS_SCROLLING_TESTS}
    LIBS tramvell_views_scrolling ${DRAVIM_VIEWS_SCROLLING_TEST_LIBS})
if(DRAVIM_WINDOWS)
    # Window tests share the one Wine desktop: they run one at a time.
    set_tests_properties(views_scrolling_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
