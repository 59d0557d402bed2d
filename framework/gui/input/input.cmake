# Input events (tramvell_input): modifier keys, mouse presses and key events as the window layer hands
# them to views, the framework's key codes and names, and the screen's monitors; reading the keyboard
# and the monitors are the only platform calls.
if(DRAVIM_WINDOWS)
    set(DRAVIM_INPUT_PLATFORM_SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/win32/ModifierKeys.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/KeyPlatform.cpp)
    set(DRAVIM_INPUT_PLATFORM tramvell_platform)
else()
    set(DRAVIM_INPUT_PLATFORM_SOURCES ${CMAKE_CURRENT_LIST_DIR}/KeyPlatformHost.cpp)
    set(DRAVIM_INPUT_PLATFORM)
endif()
dravim_add_library(tramvell_input
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ModifierKeys.cpp
        ${CMAKE_CURRENT_LIST_DIR}/KeyEvent.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MouseWheel.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ToolTipRelay.cpp
        ${DRAVIM_INPUT_PLATFORM_SOURCES}
    PUBLIC_LIBS tramvell_geometry tramvell_core ${DRAVIM_INPUT_PLATFORM})

set(DRAVIM_INPUT_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/tests/ModifierKeysTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/KeyEventTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/MouseWheelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/FocusOrderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ToolTipRelayTest.cpp)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_INPUT_TESTS
        ${CMAKE_CURRENT_LIST_DIR}/tests/ModifierKeysWin32Test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/KeyEventWin32Test.cpp)
endif()
dravim_add_test(gui_input_tests PLATFORM_MAIN SOURCES ${DRAVIM_INPUT_TESTS} LIBS tramvell_input)

# The cursor, the mouse's state and tool tips: Windows only, with the code module's cursors and instance
# and the window list.
if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_pointer
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/Cursors.cpp ${CMAKE_CURRENT_LIST_DIR}/win32/ToolTips.cpp
        PUBLIC_LIBS tramvell_input tramvell_app_core tramvell_modules tramvell_platform)
endif()
dravim_add_test(gui_pointer_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CursorsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/ToolTipsTest.cpp
    LIBS tramvell_pointer gui_test_fakes)
if(TARGET gui_pointer_tests)
    set_tests_properties(gui_pointer_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
