# One conversion from the chosen destination to the result: the coordinator and the application seam it
# works through (Windows only, as the converter and the packer hand-over are), and its platform-free
# parts: the answers it gives, the progress page's texts and the conversion records.
dravim_add_library(app_coordinator_core
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/CoordinatorAnswers.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ProgressTexts.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ConversionRecords.cpp
    PUBLIC_LIBS conversion_log tramvell_strings tramvell_core)

dravim_add_test(app_coordinator_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/CoordinatorTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CoordinatorAnswersTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ProgressTextsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ConversionRecordsTest.cpp
    LIBS app_coordinator_core)
add_dependencies(app_coordinator_tests dravim_string_table)
target_compile_definitions(app_coordinator_tests PRIVATE DRAVIM_STRING_TABLE_SCRIPT="${DRAVIM_STRING_TABLE_SCRIPT}")

if(NOT DRAVIM_WINDOWS)
    return()
endif()

dravim_add_library(app_coordinator
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ConversionCoordinator.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/ScreenSaverPreventer.cpp
    PUBLIC_LIBS app_coordinator_core conversion_packer conversion_disc conversion_log akai_client tramvell_files
                tramvell_platform tramvell_runtime)

# Real conversions of built discs through a fake application; the WAVE files go through Sondrel.dll, the
# archive to the packer tests' fake packer, copied beside the test program, which makes itself the code
# module whose splash picture the hand-over writes.
dravim_add_test(app_coordinator_win_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/CoordinatorTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/win32/ConversionCoordinatorTest.cpp
        ${CMAKE_SOURCE_DIR}/conversion/disc/tests/win32/ConversionTestFolder.cpp
        ${CMAKE_SOURCE_DIR}/conversion/packer/tests/PackerTestSupport.cpp
    LIBS app_coordinator conversion_packer conversion_disc akai_client conversion_wave conversion_disc_test_support
         conversion_disc_test_support_win
         conversion_disc_maker akai_parser_test_support brakvel_core Sondrel conversion_packer_tests_resources
         advapi32 user32
    TIMEOUT 600)
add_dependencies(app_coordinator_win_tests dravim_string_table conversion_fake_packer)
target_compile_definitions(app_coordinator_win_tests PRIVATE DRAVIM_STRING_TABLE_SCRIPT="${DRAVIM_STRING_TABLE_SCRIPT}")
add_custom_command(TARGET app_coordinator_win_tests POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Sondrel> $<TARGET_FILE_DIR:app_coordinator_win_tests>
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:conversion_fake_packer> $<TARGET_FILE_DIR:app_coordinator_win_tests>)
# The packer's registry value belongs to the whole Wine prefix; the packer tests set it too.
set_tests_properties(app_coordinator_win_tests PROPERTIES RESOURCE_LOCK dravim_packer_registry)
