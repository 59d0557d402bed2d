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

dravim_add_test(gui_images_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ImageOperationsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/RowConversionTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/BMPFormatTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/BitmapCacheTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/BitmapSequenceTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ShellIconSizeTest.cpp
    LIBS tramvell_images)
