# Exceptions, byte order and media: the platform-free core that every other area builds on.
dravim_add_library(tramvell_core SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Exceptions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ByteOrder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeptBlocks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Media.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BlockCacheReadMedia.cpp)
if(DRAVIM_WINDOWS)
    target_sources(tramvell_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/win32/ThreadLock.cpp)
else()
    target_sources(tramvell_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ThreadLock.cpp)
endif()

dravim_add_test(foundation_core_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ExceptionsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ByteOrderTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/KeptBlocksTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ThreadLockTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MediaTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/BlockCacheReadMediaTest.cpp
    LIBS tramvell_core)
