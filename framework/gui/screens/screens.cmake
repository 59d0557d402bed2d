# Screens (tramvell_screens): the monitors and the placement rules that keep windows visible. The rules
# are platform-free; reading the monitors from the system is in win32/.
if(DRAVIM_WINDOWS)
    set(DRAVIM_SCREENS_PLATFORM_SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/Screens.cpp)
    set(DRAVIM_SCREENS_PLATFORM tramvell_platform)
else()
    set(DRAVIM_SCREENS_PLATFORM_SOURCES)
    set(DRAVIM_SCREENS_PLATFORM)
endif()
dravim_add_library(tramvell_screens
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScreenLayout.cpp ${DRAVIM_SCREENS_PLATFORM_SOURCES}
    PUBLIC_LIBS tramvell_geometry tramvell_core ${DRAVIM_SCREENS_PLATFORM})

set(DRAVIM_SCREENS_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/ScreenLayoutTest.cpp)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_SCREENS_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/ScreensWin32Test.cpp)
endif()
dravim_add_test(gui_screens_tests PLATFORM_MAIN SOURCES ${DRAVIM_SCREENS_TESTS} LIBS tramvell_screens)
