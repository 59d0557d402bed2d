# The tables of texts that start-up hands to the conversion modules. The builders are platform-free; the
# Windows builds add the step that reads the templates from the program and installs all six tables.
set(DRAVIM_APP_STRINGS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/UIStringTables.cpp)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_APP_STRINGS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/InstallUIStringTables.cpp)
    set(DRAVIM_APP_STRINGS_PLATFORM_LIBS tramvell_modules)
endif()
dravim_add_library(app_strings
    SOURCES ${DRAVIM_APP_STRINGS_SOURCES}
    PUBLIC_LIBS conversion_log tramvell_strings tramvell_core ${DRAVIM_APP_STRINGS_PLATFORM_LIBS})

dravim_add_test(app_strings_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/UIStringTablesTest.cpp
    LIBS app_strings)
add_dependencies(app_strings_tests dravim_string_table)
target_compile_definitions(app_strings_tests PRIVATE DRAVIM_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    DRAVIM_STRING_TABLE_SCRIPT="${DRAVIM_STRING_TABLE_SCRIPT}")
