# The about window (Windows only: it is a window) and the keys of the program's pictures.
if(NOT DRAVIM_WINDOWS)
    return()
endif()

dravim_add_library(app_about
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/AboutWindow.cpp
    PUBLIC_LIBS app_strings tramvell_pages tramvell_dialogs tramvell_application tramvell_strings)

# The program's own resources give the window its texts, artwork and version.
dravim_add_test(app_about_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/AboutWindowTest.cpp
        ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp
    LIBS app_about gui_window_test_support dravim_app_resources gdi32)
target_compile_definitions(app_about_tests PRIVATE DRAVIM_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
set_tests_properties(app_about_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
