# Drawing (tramvell_drawing): font descriptions, colour arithmetic and colour tables are platform-free;
# canvases, their drawing state, platform fonts, system colours, palettes and the drawing functions
# draw through the platform's tables.
set(DRAVIM_DRAWING_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ColorMixing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Format.cpp)
set(DRAVIM_DRAWING_PLATFORM)
set(DRAVIM_DRAWING_TEST_PLATFORM)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_DRAWING_SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/win32/Canvas.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/CanvasDrawingState.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/DrawingFunctions.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/NativeFont.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/Palette.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/ScreenResources.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/SystemColors.cpp)
    set(DRAVIM_DRAWING_PLATFORM tramvell_platform tramvell_system tramvell_strings)
endif()
dravim_add_library(tramvell_drawing
    SOURCES ${DRAVIM_DRAWING_SOURCES}
    PUBLIC_LIBS tramvell_regions tramvell_geometry tramvell_core ${DRAVIM_DRAWING_PLATFORM})

set(DRAVIM_DRAWING_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/tests/FontSpecTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ColorMixingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ColorTablesTest.cpp)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_DRAWING_TESTS
        ${CMAKE_CURRENT_LIST_DIR}/tests/TestCanvas.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CanvasTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DrawingStateTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/NativeFontTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PaletteTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DrawingFunctionsTest.cpp)
    # The test canvas makes its bitmap with the platform's calls directly.
    set(DRAVIM_DRAWING_TEST_PLATFORM gdi32)
endif()
dravim_add_test(gui_drawing_tests PLATFORM_MAIN SOURCES ${DRAVIM_DRAWING_TESTS}
    LIBS tramvell_drawing ${DRAVIM_DRAWING_TEST_PLATFORM})
