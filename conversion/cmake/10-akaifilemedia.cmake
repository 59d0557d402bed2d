# The parsers' byte source over an open Akai file.
dravim_add_library(conversion_akai_file_media
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/../AkaiFileMedia.cpp
    PUBLIC_LIBS akai_filesystem)

dravim_add_test(conversion_akai_file_media_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/../tests/AkaiFileMediaTest.cpp
    LIBS conversion_akai_file_media akai_disc_image_builder akai_filesystem_test_support)
