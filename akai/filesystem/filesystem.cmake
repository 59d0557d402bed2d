# Akai names and field readers, the disk media, and the Akai file system with its files.
dravim_add_library(akai_filesystem
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/AkaiNames.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiDiskMedia.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ReadAheadDiskMedia.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiPartition.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiPartitionCache.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiOpenFile.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiFile.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiFileSystem.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiUIStrings.cpp
    PUBLIC_LIBS tramvell_core tramvell_strings)

# Synthetic disc images for tests; it shares no code with the reader.
dravim_add_library(akai_disc_image_builder
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/support/DiscImageBuilder.cpp)

# A disc served from memory and a canonical listing of a disc, for the tests of the reader and its users.
dravim_add_library(akai_filesystem_test_support
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/support/MemoryDiskMedia.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/support/DiscListing.cpp
    PUBLIC_LIBS akai_filesystem akai_disc_image_builder)

dravim_add_test(akai_filesystem_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/DiscImageBuilderTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/AkaiNamesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/AkaiDiskMediaTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ReadAheadDiskMediaTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/AkaiPartitionTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/AkaiFileSystemTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/AkaiFileTest.cpp
    LIBS akai_filesystem akai_disc_image_builder akai_filesystem_test_support)
