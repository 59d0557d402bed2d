# Group boxes, foldable groups and small buttons (tramvell_views_groups): the magnify scale's arithmetic
# is platform-free; the views draw in windows.
set(DRAVIM_VIEWS_GROUPS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MagnifyScale.cpp)
set(DRAVIM_VIEWS_GROUPS_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/tests/MagnifyScaleTest.cpp)
set(DRAVIM_VIEWS_GROUPS_LIBS tramvell_geometry tramvell_core)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_VIEWS_GROUPS_SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/GroupBoxView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FoldButtonView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FoldableGroupView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ClippedGroupDrawing.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MagnifyView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/HelpButtonView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/IconButtonView.cpp)
    list(APPEND DRAVIM_VIEWS_GROUPS_TESTS
        ${CMAKE_CURRENT_LIST_DIR}/tests/GroupViewsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MagnifyViewTest.cpp
        ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp
        ${CMAKE_SOURCE_DIR}/framework/gui/drawing/tests/TestCanvas.cpp)
    list(APPEND DRAVIM_VIEWS_GROUPS_LIBS tramvell_pages tramvell_dialog_forms tramvell_windows tramvell_drawing tramvell_platform)
    set(DRAVIM_VIEWS_GROUPS_TEST_LIBS gui_window_test_support dravim_test_program_resources gui_test_program_resources gdi32)
endif()
dravim_add_library(tramvell_views_groups
    SOURCES ${DRAVIM_VIEWS_GROUPS_SOURCES}
    PUBLIC_LIBS ${DRAVIM_VIEWS_GROUPS_LIBS})
dravim_add_test(views_groups_tests PLATFORM_MAIN SOURCES ${DRAVIM_VIEWS_GROUPS_TESTS}
    LIBS tramvell_views_groups ${DRAVIM_VIEWS_GROUPS_TEST_LIBS})
if(DRAVIM_WINDOWS)
    # Window tests share the one Wine desktop: they run one at a time.
    set_tests_properties(views_groups_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
