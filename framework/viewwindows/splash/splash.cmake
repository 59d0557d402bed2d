# The splash screen (tramvell_splash): its picture and texts are control views, its timing is
# framework/gui/floaters' SplashTiming.
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

    dravim_add_test(viewwindows_splash_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/SplashScreenTest.cpp
            ${splashPicturesScript}
            ${splashPictures}/red-60x50.bmp
        LIBS tramvell_splash gui_window_test_support dravim_test_program_resources gui_test_program_resources)
    set_tests_properties(viewwindows_splash_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
