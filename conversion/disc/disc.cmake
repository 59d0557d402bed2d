# The parsers' byte source over an open Akai file.
dravim_add_library(conversion_akai_file_media
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/AkaiFileMedia.cpp
    PUBLIC_LIBS akai_filesystem)

dravim_add_test(conversion_akai_file_media_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/AkaiFileMediaTest.cpp
    LIBS conversion_akai_file_media akai_disc_image_builder akai_filesystem_test_support)

# Converting a whole disc: the walk, the volumes, output names and the folders the files go to. The
# platform-free half also builds natively; the Windows builds add what stores files and folders.
set(DRAVIM_CONVERSION_DISC_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/OutputNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgressReport.cpp)
set(DRAVIM_CONVERSION_DISC_LIBS conversion_wave conversion_log conversion_patch conversion_akai_file_media akai_parsers
    akai_filesystem tramvell_paths tramvell_strings tramvell_core)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_CONVERSION_DISC_SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/win32/ListedAttributes.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FolderUtilities.cpp
        ${CMAKE_CURRENT_LIST_DIR}/OutputFiles.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VolumeConversion.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Converter.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AbortCause.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DiscReadFailures.cpp)
    list(APPEND DRAVIM_CONVERSION_DISC_LIBS akai_client tramvell_files)
endif()
dravim_add_library(conversion_disc
    SOURCES ${DRAVIM_CONVERSION_DISC_SOURCES}
    PUBLIC_LIBS ${DRAVIM_CONVERSION_DISC_LIBS})

# The texts as the tests install them, and the library's exports in process.
dravim_add_library(conversion_disc_test_support
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/support/ConversionTexts.cpp
    PUBLIC_LIBS conversion_disc akai_parser_test_support)
dravim_add_library(conversion_sondrel_in_process
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/support/ConversionSondrelInProcess.cpp
    PUBLIC_LIBS sondrel_core)

dravim_add_test(conversion_disc_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/NamingTest.cpp
    LIBS conversion_disc conversion_disc_test_support)

# Synthetic discs with their expected output, for the tests, the end-to-end check and the benchmark.
dravim_add_library(conversion_disc_maker
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/support/ConversionDiscMaker.cpp
    PUBLIC_LIBS akai_disc_image_builder akai_parser_test_support)

if(NOT DRAVIM_WINDOWS)
    return()
endif()

# A full disk behind the framework's bound file write.
dravim_add_library(conversion_disc_test_support_win
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/support/win32/ConversionFailingWrites.cpp
    PUBLIC_LIBS tramvell_platform)

add_executable(conversion_make_test_images ${CMAKE_CURRENT_LIST_DIR}/tests/ConversionMakeImages.cpp)
target_link_libraries(conversion_make_test_images PRIVATE conversion_disc_maker)
dravim_target_options(conversion_make_test_images)
dravim_static_runtime(conversion_make_test_images)

# The folder in which the setup step makes what no Windows call can: a Unix link to a folder.
set(DRAVIM_CONVERSION_LINK_DIR ${CMAKE_CURRENT_BINARY_DIR}/conversion-links)
add_test(NAME conversion_disc_win_tests_setup
    COMMAND sh -c "rm -rf '${DRAVIM_CONVERSION_LINK_DIR}' && mkdir -p '${DRAVIM_CONVERSION_LINK_DIR}/outside' '${DRAVIM_CONVERSION_LINK_DIR}/cleared' && touch '${DRAVIM_CONVERSION_LINK_DIR}/outside/keep.txt' && ln -s '${DRAVIM_CONVERSION_LINK_DIR}/outside' '${DRAVIM_CONVERSION_LINK_DIR}/cleared/link'")
set_tests_properties(conversion_disc_win_tests_setup PROPERTIES FIXTURES_SETUP conversion_links TIMEOUT 60)

dravim_add_test(conversion_disc_win_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/win32/ConversionWalkTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/win32/ConversionFoldersTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/win32/ConversionTestFolder.cpp
    LIBS conversion_disc conversion_disc_test_support conversion_disc_test_support_win conversion_disc_maker
         akai_filesystem_test_support akai_parser_test_support conversion_wave Sondrel
    TIMEOUT 600)
add_custom_command(TARGET conversion_disc_win_tests POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Sondrel> $<TARGET_FILE_DIR:conversion_disc_win_tests>)
set_tests_properties(conversion_disc_win_tests PROPERTIES
    FIXTURES_REQUIRED conversion_links
    ENVIRONMENT DRAVIM_CONVERSION_LINK_DIR=${DRAVIM_CONVERSION_LINK_DIR})
