# The main window: its pane pages, the picture buttons of the choose page and the double-buffered skin,
# laid out from the program's dialog templates. Windows only, as views live in windows.
if(NOT DRAVIM_WINDOWS)
    return()
endif()

dravim_add_library(app_mainwindow
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/win32/MainWindow.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/PictureButtonView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/PanePages.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DoubleBufferingView.cpp
    PUBLIC_LIBS tramvell_dialogs tramvell_pages tramvell_native_controls tramvell_images tramvell_strings
                tramvell_platform)

# The window in a test program that carries the program's own resources (templates, icons, skin, strings,
# common-controls manifest), plus the common alerts the test application may show.
add_library(app_window_tests_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/tests/WindowTestProgram.rc)
target_include_directories(app_window_tests_resources PRIVATE ${CMAKE_SOURCE_DIR}/framework/gui/tests/support/fixtures)

dravim_add_test(app_window_tests PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/WindowTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MainWindowTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MainWindowOperationsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MainWindowPixelsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PictureButtonViewTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/TextsFitTest.cpp
    LIBS app_mainwindow app_coordinator_core gui_window_test_support dravim_app_resources app_window_tests_resources
         tramvell_framework_resources gdi32 comctl32
    TIMEOUT 600)
set_tests_properties(app_window_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
