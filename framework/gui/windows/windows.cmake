# The window base and its helpers (tramvell_windows, Windows only): CABCWindow bound to a view tree, the
# framework window behind the platform's active window, the mouse entry points; and the slot choice of
# staggered placement (tramvell_window_layout, platform-free). The window base and the views
# (tramvell_view_base, views/) use each other: the two libraries link both ways.
dravim_add_library(tramvell_window_layout
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/Staggering.cpp
    PUBLIC_LIBS tramvell_geometry)

dravim_add_test(gui_window_layout_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/StaggeringTest.cpp
    LIBS tramvell_window_layout)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_windows
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/Window.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/WindowHelpers.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/MouseEntryPoints.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/WindowCanvas.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/DrawSpecs.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/WindowProcedure.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/WindowClasses.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/WindowCursor.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/FocusHandling.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/InputDispatch.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/ToolTipWindow.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/FrameLayout.cpp
        PUBLIC_LIBS tramvell_menus tramvell_drawing tramvell_view_base tramvell_window_layout tramvell_regions tramvell_input tramvell_pointer tramvell_app_core
                    tramvell_application tramvell_platform)

    # The application's pump asks the views which of them hold the mouse.
    target_link_libraries(tramvell_application PUBLIC tramvell_windows)

    # The program's menu script, for the menu bar on a test window.
    add_library(gui_windows_test_menus OBJECT ${CMAKE_CURRENT_LIST_DIR}/tests/fixtures/MenuBarSmoke.rc)
    target_include_directories(gui_windows_test_menus PRIVATE ${CMAKE_SOURCE_DIR}/app/resources)

    # Test windows of a plain class, the views they hold, and counters of both.
    dravim_add_library(gui_window_test_support
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/TestWindow.cpp
        PUBLIC_LIBS tramvell_windows gui_test_support GTest::gtest)

    dravim_add_test(gui_windows_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/WindowTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/WindowSmokeTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/ClassWindow.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/WindowProcedureTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/PaintTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/MouseStateTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/FocusTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/RoutingTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/MenuBarSmokeTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/FrameLayoutTest.cpp
            ${CMAKE_SOURCE_DIR}/framework/gui/drawing/tests/TestCanvas.cpp
        LIBS gui_window_test_support dravim_test_program_resources gui_test_program_resources
             gui_windows_test_menus gdi32)
    # Window tests share the one Wine desktop (focus and activation): they run one at a time.
    set_tests_properties(gui_windows_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
