# Pictures: the BMP format, row conversions into the bitmap formats, the pixel loops of the image
# toolkit, bitmap keys and their cache, frame sequences and the shell icon size. All platform-free.
dravim_add_library(tramvell_images
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/Image.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ImageOperations.cpp
        ${CMAKE_CURRENT_LIST_DIR}/RowConversion.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BMPFormat.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BitmapKey.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BitmapCache.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BitmapSequence.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ShellIconSize.cpp
    PUBLIC_LIBS tramvell_geometry tramvell_core)

# The bitmaps over native bitmaps, the toolkit on them, the scan-line writers, the BMP library and the
# bitmap fetcher (Windows only: every bitmap lives in a platform bitmap).
if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_bitmaps
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/NativeBitmap.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/Bitmap.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BitmapOperations.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ScanLineWriter.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BMPLib.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BitmapFetcher.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/IconCache.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ApplicationBitmaps.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/OffscreenCanvas.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BitmapDrawing.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BufferedDrawing.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BitmapSequenceDrawing.cpp
        PUBLIC_LIBS tramvell_images tramvell_drawing tramvell_modules tramvell_platform)
    # The icon of the program's data folder asks the application for the folder; the application keeps
    # its pictures here.
    target_link_libraries(tramvell_bitmaps PUBLIC tramvell_application)
    dravim_add_test(gui_bitmaps_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/BitmapTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/BitmapReadingTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/IconCacheTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/OffscreenCanvasTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/BufferedDrawingTest.cpp
        LIBS tramvell_bitmaps)
endif()

dravim_add_test(gui_images_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ImageOperationsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/RowConversionTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/BMPFormatTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/BMPPicturesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/BitmapCacheTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/BitmapSequenceTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ShellIconSizeTest.cpp
    LIBS tramvell_images)

# Pictures from an independent writer: a script makes them at test time, the tests read them and write
# them back, and the script checks what the tests wrote.
if(TARGET gui_images_tests)
    find_program(DRAVIM_IMAGES_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
    if(NOT DRAVIM_IMAGES_PYTHON)
        set(DRAVIM_IMAGES_PYTHON /usr/bin/python3)
    endif()
    set(DRAVIM_TEST_PICTURES ${CMAKE_CURRENT_BINARY_DIR}/test-pictures)
    set(DRAVIM_PICTURE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/tests/make_test_pictures.py)
    add_test(NAME gui_images_make_pictures
        COMMAND ${DRAVIM_IMAGES_PYTHON} ${DRAVIM_PICTURE_SCRIPT} make ${DRAVIM_TEST_PICTURES})
    add_test(NAME gui_images_check_pictures
        COMMAND ${DRAVIM_IMAGES_PYTHON} ${DRAVIM_PICTURE_SCRIPT} check ${DRAVIM_TEST_PICTURES})
    set_tests_properties(gui_images_make_pictures PROPERTIES FIXTURES_SETUP gui_images_pictures)
    set_tests_properties(gui_images_tests PROPERTIES
        ENVIRONMENT DRAVIM_TEST_PICTURES=${DRAVIM_TEST_PICTURES}
        FIXTURES_REQUIRED gui_images_pictures
        FIXTURES_SETUP gui_images_written_pictures)
    set_tests_properties(gui_images_check_pictures PROPERTIES FIXTURES_REQUIRED gui_images_written_pictures)
    # The bitmap tests leave what they converted there too, as converted-*.bmp, for review.
    if(TARGET gui_bitmaps_tests)
        set_tests_properties(gui_bitmaps_tests PROPERTIES
            ENVIRONMENT DRAVIM_TEST_PICTURES=${DRAVIM_TEST_PICTURES}
            FIXTURES_REQUIRED gui_images_pictures)
    endif()
endif()

# Every BMPF resource of a module read through the reader: the program's own pictures once the
# application is built, here the test pictures built into the checker itself.
if(DRAVIM_WINDOWS)
    set(DRAVIM_RESOURCE_PICTURES ${CMAKE_CURRENT_BINARY_DIR}/resource-pictures)
    set(DRAVIM_RESOURCE_PICTURE_FILES
        ${DRAVIM_RESOURCE_PICTURES}/pattern-7x5.bmp
        ${DRAVIM_RESOURCE_PICTURES}/pattern-124-header.bmp
        ${DRAVIM_RESOURCE_PICTURES}/pattern-5000-wide.bmp)
    add_custom_command(OUTPUT ${DRAVIM_RESOURCE_PICTURE_FILES}
        COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/tests/make_test_pictures.py make ${DRAVIM_RESOURCE_PICTURES}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tests/make_test_pictures.py)
    set(DRAVIM_RESOURCE_PICTURES_RC ${CMAKE_CURRENT_BINARY_DIR}/TestPictures.rc)
    file(WRITE ${DRAVIM_RESOURCE_PICTURES_RC}
        "128 BMPF \"${DRAVIM_RESOURCE_PICTURES}/pattern-7x5.bmp\"\n"
        "129 BMPF \"${DRAVIM_RESOURCE_PICTURES}/pattern-124-header.bmp\"\n"
        "130 BMPF \"${DRAVIM_RESOURCE_PICTURES}/pattern-5000-wide.bmp\"\n")
    set_source_files_properties(${DRAVIM_RESOURCE_PICTURES_RC} PROPERTIES
        OBJECT_DEPENDS "${DRAVIM_RESOURCE_PICTURE_FILES}")
    add_executable(dravim_check_bitmap_resources
        ${CMAKE_CURRENT_LIST_DIR}/tests/CheckBitmapResources.cpp ${DRAVIM_RESOURCE_PICTURES_RC}
        ${DRAVIM_RESOURCE_PICTURE_FILES})
    target_link_libraries(dravim_check_bitmap_resources PRIVATE tramvell_images tramvell_platform)
    dravim_target_options(dravim_check_bitmap_resources)
    dravim_static_runtime(dravim_check_bitmap_resources)
    add_test(NAME gui_images_bitmap_resources COMMAND dravim_check_bitmap_resources)
    set_tests_properties(gui_images_bitmap_resources PROPERTIES PASS_REGULAR_EXPRESSION "3 bitmap resources, 0 not read")
endif()
