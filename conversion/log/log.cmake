# The conversion's texts, the item error reports, the log tree and its HTML page. Platform-free but for
# the writing of the page's file, which the Windows builds add.
set(DRAVIM_CONVERSION_LOG_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ConversionStrings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConversionTexts.cpp
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

# The texts travel inside the library, made at build time from the files in conversion/resources.
include(DravimEmbed)
set(DRAVIM_CONVERSION_TEXT_FILES conversion-strings-128.txt)
foreach(template RANGE 128 141)
    list(APPEND DRAVIM_CONVERSION_TEXT_FILES log-templates/${template}.htm)
endforeach()
dravim_embed_files(conversion_log FUNCTION NSAkaiConversionImplementation::LoadEmbeddedTextFiles
    ROOT ${CMAKE_CURRENT_LIST_DIR}/../resources FILES ${DRAVIM_CONVERSION_TEXT_FILES})

dravim_add_test(conversion_log_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ConversionItemErrorTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/LoggerTreeTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/LoggerHTMLTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ConversionTextsTest.cpp
    LIBS conversion_log conversion_disc_test_support)
target_compile_definitions(conversion_log_tests PRIVATE
    DRAVIM_CONVERSION_TEST_DATA_DIR="${CMAKE_CURRENT_LIST_DIR}/tests/data"
    DRAVIM_CONVERSION_RESOURCE_DIR="${CMAKE_CURRENT_LIST_DIR}/../resources")
