# The preference file: its stored form (platform-free) and, in the Windows builds, its reading and
# writing in a folder. tools/prefs.py reads and writes the same files.
set(DRAVIM_APP_PREFERENCES_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PreferenceFile.cpp)
set(DRAVIM_APP_PREFERENCES_LIBS tramvell_dialog_forms tramvell_drawing tramvell_chunks tramvell_versions tramvell_paths
    tramvell_geometry tramvell_core)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_APP_PREFERENCES_SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/PreferenceFileStorage.cpp)
    list(APPEND DRAVIM_APP_PREFERENCES_LIBS tramvell_modules tramvell_files tramvell_application)
endif()
dravim_add_library(app_preferences
    SOURCES ${DRAVIM_APP_PREFERENCES_SOURCES}
    PUBLIC_LIBS ${DRAVIM_APP_PREFERENCES_LIBS})

dravim_add_test(app_preferences_tests PLATFORM_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/PreferenceFileTest.cpp
    LIBS app_preferences)

if(DRAVIM_WINDOWS)
    set(exchange ${CMAKE_CURRENT_BINARY_DIR}/preferences-exchange)
    dravim_add_test(app_preferences_storage_tests WINDOWS_ONLY PLATFORM_MAIN
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/PreferenceFileStorageTest.cpp
        LIBS app_preferences gui_test_support dravim_test_program_resources gui_test_program_resources)
    target_compile_definitions(app_preferences_storage_tests PRIVATE DRAVIM_PREFS_EXCHANGE_DIR="${exchange}")
    set_tests_properties(app_preferences_storage_tests PROPERTIES
        ENVIRONMENT "GTEST_FILTER=-PreferenceExchange.*")
    # prefs.py writes a file the program reads; the program writes files prefs.py reads.
    set(prefsTool ${CMAKE_SOURCE_DIR}/tools/prefs.py)
    add_test(NAME app_prefs_py_writes
        COMMAND ${DRAVIM_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/tests/prefs_exchange.py write ${prefsTool} ${exchange})
    add_test(NAME app_preferences_exchange
        COMMAND app_preferences_storage_tests --gtest_filter=PreferenceExchange.*)
    add_test(NAME app_prefs_py_reads
        COMMAND ${DRAVIM_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/tests/prefs_exchange.py read ${prefsTool} ${exchange})
    set_tests_properties(app_prefs_py_writes PROPERTIES FIXTURES_SETUP prefs_from_python)
    set_tests_properties(app_preferences_exchange PROPERTIES
        FIXTURES_REQUIRED prefs_from_python FIXTURES_SETUP prefs_from_program)
    set_tests_properties(app_prefs_py_reads PROPERTIES FIXTURES_REQUIRED prefs_from_program)
endif()
