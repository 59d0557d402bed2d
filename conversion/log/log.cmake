# The conversion's texts, the item error reports, the log tree and its HTML page. Platform-free but for
# the writing of the page's file, which the Windows builds add.
set(DRAVIM_CONVERSION_LOG_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ConversionStrings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ItemErrorReport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LogTree.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Logger.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HTMLLog.cpp)
set(DRAVIM_CONVERSION_LOG_LIBS conversion_patch akai_parsers akai_filesystem tramvell_paths tramvell_strings
    tramvell_core)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_CONVERSION_LOG_SOURCES ${CMAKE_CURRENT_LIST_DIR}/LoggerHTMLFile.cpp)
    list(APPEND DRAVIM_CONVERSION_LOG_LIBS tramvell_files)
endif()
dravim_add_library(conversion_log
    SOURCES ${DRAVIM_CONVERSION_LOG_SOURCES}
    PUBLIC_LIBS ${DRAVIM_CONVERSION_LOG_LIBS})

dravim_add_test(conversion_log_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ConversionItemErrorTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/LoggerTreeTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/LoggerHTMLTest.cpp
    LIBS conversion_log conversion_disc_test_support)
target_compile_definitions(conversion_log_tests PRIVATE
    DRAVIM_CONVERSION_TEST_DATA_DIR="${CMAKE_CURRENT_LIST_DIR}/tests/data")
