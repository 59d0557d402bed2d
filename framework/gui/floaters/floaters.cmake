# Floating palettes, the splash screen and the on-line help (tramvell_floaters, Windows only: each is a
# platform window or the platform's help engine); the splash screen's timing is platform-free.
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

# The splash screen shows its picture and texts through control views (framework/views), so it is a
# library of its own, above both.
if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_splash
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/SplashScreen.cpp
        PUBLIC_LIBS tramvell_splash_timing tramvell_views_scrolling tramvell_pages tramvell_windows
                    tramvell_application tramvell_platform)

    # One of the page views' test pictures as the splash's: BMPF 100, red, 60 × 50.
    set(splashPictures ${CMAKE_CURRENT_BINARY_DIR}/splash-pictures)
    add_custom_command(OUTPUT ${splashPictures}/red-60x50.bmp
        COMMAND python3 ${CMAKE_SOURCE_DIR}/framework/views/pages/tests/make_view_pictures.py
                ${splashPictures}
        DEPENDS ${CMAKE_SOURCE_DIR}/framework/views/pages/tests/make_view_pictures.py)
    set(splashPicturesScript ${CMAKE_CURRENT_BINARY_DIR}/SplashPictures.rc)
    file(WRITE ${splashPicturesScript} "100 BMPF \"${splashPictures}/red-60x50.bmp\"\n")
    set_source_files_properties(${splashPicturesScript} PROPERTIES OBJECT_DEPENDS ${splashPictures}/red-60x50.bmp)

    dravim_add_test(gui_splash_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/SplashScreenTest.cpp
            ${splashPicturesScript}
            ${splashPictures}/red-60x50.bmp
        LIBS tramvell_splash gui_window_test_support dravim_test_program_resources gui_test_program_resources)
    set_tests_properties(gui_splash_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
