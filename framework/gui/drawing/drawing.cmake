# Drawing (tramvell_drawing): font descriptions, colour arithmetic and colour tables.
set(DRAVIM_DRAWING_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ColorMixing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SmallValues.cpp)
dravim_add_library(tramvell_drawing
    SOURCES ${DRAVIM_DRAWING_SOURCES}
    PUBLIC_LIBS tramvell_regions tramvell_geometry tramvell_core)

set(DRAVIM_DRAWING_TESTS
    ${CMAKE_CURRENT_LIST_DIR}/tests/FontSpecTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ColorMixingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ColorTablesTest.cpp)
dravim_add_test(gui_drawing_tests PLATFORM_MAIN SOURCES ${DRAVIM_DRAWING_TESTS} LIBS tramvell_drawing)
