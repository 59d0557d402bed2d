# Points and rectangles: plain values that every view frame, region and window placement is made of, and
# the geometry of a drawn piano keyboard. Platform-free, so the host build uses them too; the conversions
# to the platform's records are a header in win32/.
dravim_add_library(tramvell_geometry
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/Rect.cpp
        ${CMAKE_CURRENT_LIST_DIR}/KeyboardGeometry.cpp
    PUBLIC_LIBS tramvell_core)

set(DRAVIM_GEOMETRY_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/RectTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/KeyboardGeometryTest.cpp)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_GEOMETRY_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/NativeGeometryTest.cpp)
endif()
dravim_add_test(gui_geometry_tests SOURCES ${DRAVIM_GEOMETRY_TESTS} LIBS tramvell_geometry)
