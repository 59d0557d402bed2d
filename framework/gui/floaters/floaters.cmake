# Floating palettes and the on-line help (tramvell_floaters, Windows only: each is a platform window or the
# platform's help engine), and the splash screen's timing, platform-free; the splash screen itself is made
# of control views and stands above them in framework/viewwindows/splash.
dravim_add_library(tramvell_splash_timing SOURCES ${CMAKE_CURRENT_LIST_DIR}/SplashTiming.cpp)

dravim_add_test(gui_splash_timing_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/SplashTimingTest.cpp
    LIBS tramvell_splash_timing)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_floaters
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/HelpWindows.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/FloaterWindow.cpp
        PUBLIC_LIBS tramvell_splash_timing tramvell_windows tramvell_files tramvell_app_core tramvell_platform)

    dravim_add_test(gui_floaters_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/HelpWindowsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/FloaterWindowTest.cpp
        LIBS tramvell_floaters gui_window_test_support dravim_test_program_resources gui_test_program_resources)
    set_tests_properties(gui_floaters_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
