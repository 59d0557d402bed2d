# One conversion from the chosen destination to the result: the platform-free parts of its coordinator,
# the answers it gives, the progress page's texts and the conversion records.
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
