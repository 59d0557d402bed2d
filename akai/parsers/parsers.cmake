# The parameter validators, the program, keygroup and sample parsers, and the parameter descriptors.
dravim_add_library(akai_parsers
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ParserStrings.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ParserTexts.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiValidators.cpp
        ${CMAKE_CURRENT_LIST_DIR}/HeaderReader.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiSampleParameters.cpp
        ${CMAKE_CURRENT_LIST_DIR}/KeyGroup.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiProgram.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiLoop.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiSample.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SplitHundreds.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ParameterInfo.cpp
        ${CMAKE_CURRENT_LIST_DIR}/CentredValues.cpp
    PUBLIC_LIBS akai_filesystem tramvell_strings tramvell_core)
# The parsers' texts travel inside the library, made at build time from the file in resources/.
include(DravimEmbed)
dravim_embed_files(akai_parsers FUNCTION NSAkaiParserImplementation::LoadEmbeddedTextFiles
    ROOT ${CMAKE_CURRENT_LIST_DIR}/resources FILES parser-strings-128.txt)

# Record builders, a recording file and the parser strings of the tests.
dravim_add_library(akai_parser_test_support
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/support/RecordBuilder.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/support/RecordingFileMedia.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/support/ParserTestStrings.cpp
    PUBLIC_LIBS akai_parsers)
target_compile_definitions(akai_parser_test_support PRIVATE
    DRAVIM_TESTDATA_DIR="${CMAKE_SOURCE_DIR}/tests/data/s3000xl"
    DRAVIM_PARSER_FIXTURE_DIR="${CMAKE_CURRENT_LIST_DIR}/tests/data")

dravim_add_test(akai_parser_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ValidatorTableTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ParserTestFieldMaps.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ParserTestProgram.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ParserTestKeyGroup.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ParserTestSample.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ParserTestParameterInfo.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ParserTestRealFiles.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ParserTestEndToEnd.cpp
    LIBS akai_parsers akai_parser_test_support akai_filesystem_test_support conversion_akai_file_media)
