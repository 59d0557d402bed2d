# The view base, group views, the window's root view and size box (tramvell_view_base, Windows only, as
# views live in windows; see windows/windows.cmake).
if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_view_base
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/View.cpp
            ${CMAKE_CURRENT_LIST_DIR}/GroupView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/RootView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/ViewPlatform.cpp
        PUBLIC_LIBS tramvell_windows tramvell_regions tramvell_input tramvell_system tramvell_runtime tramvell_platform)

    dravim_add_test(gui_views_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/ViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/GroupViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/RootViewTest.cpp
        LIBS gui_window_test_support dravim_test_program_resources gui_test_program_resources)
    set_tests_properties(gui_views_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
