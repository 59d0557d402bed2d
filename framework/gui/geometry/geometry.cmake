# Points and rectangles: plain values that every view frame, region and window placement is made of.
# Platform-free, so the foundation's music area and the host build use them too; the conversions to
# the platform's records are a header in win32/.
dravim_add_library(tramvell_geometry
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/Rect.cpp
    PUBLIC_LIBS tramvell_core)

set(DRAVIM_GEOMETRY_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/RectTest.cpp)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_GEOMETRY_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/NativeGeometryTest.cpp)
endif()
dravim_add_test(gui_geometry_tests SOURCES ${DRAVIM_GEOMETRY_TESTS} LIBS tramvell_geometry)
