# Input events (tramvell_input): modifier keys and mouse presses as the window layer hands them to views;
# reading the keyboard's state is the only platform call.
if(DRAVIM_WINDOWS)
    set(DRAVIM_INPUT_PLATFORM_SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/ModifierKeys.cpp)
    set(DRAVIM_INPUT_PLATFORM tramvell_platform)
else()
    set(DRAVIM_INPUT_PLATFORM_SOURCES)
    set(DRAVIM_INPUT_PLATFORM)
endif()
dravim_add_library(tramvell_input
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ModifierKeys.cpp ${DRAVIM_INPUT_PLATFORM_SOURCES}
    PUBLIC_LIBS tramvell_geometry tramvell_core ${DRAVIM_INPUT_PLATFORM})

set(DRAVIM_INPUT_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/ModifierKeysTest.cpp)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_INPUT_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/ModifierKeysWin32Test.cpp)
endif()
dravim_add_test(gui_input_tests PLATFORM_MAIN SOURCES ${DRAVIM_INPUT_TESTS} LIBS tramvell_input)
