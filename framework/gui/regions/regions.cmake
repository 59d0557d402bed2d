# Regions and colours (tramvell_regions): the inline kinds of a region and colours are platform-free;
# platform regions are reached through a small seam, bound to the platform's tables in Windows builds.
if(DRAVIM_WINDOWS)
    set(DRAVIM_REGION_CALLS ${CMAKE_CURRENT_LIST_DIR}/win32/NativeRegionCalls.cpp)
    set(DRAVIM_REGION_PLATFORM tramvell_platform)
else()
    set(DRAVIM_REGION_CALLS ${CMAKE_CURRENT_LIST_DIR}/NativeRegionCallsHost.cpp)
    set(DRAVIM_REGION_PLATFORM)
endif()
dravim_add_library(tramvell_regions
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/Color.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Region.cpp
        ${DRAVIM_REGION_CALLS}
    PUBLIC_LIBS tramvell_geometry tramvell_paths tramvell_core ${DRAVIM_REGION_PLATFORM})

set(DRAVIM_REGION_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/RegionTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/ColorTest.cpp)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_REGION_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/NativeRegionTest.cpp)
endif()
dravim_add_test(gui_regions_tests PLATFORM_MAIN SOURCES ${DRAVIM_REGION_TESTS} LIBS tramvell_regions)
