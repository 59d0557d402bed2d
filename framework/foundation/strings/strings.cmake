# Ruling strings, the string utilities and the string manager.
dravim_add_library(tramvell_strings
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/RulingString.cpp
        ${CMAKE_CURRENT_LIST_DIR}/StringUtilities.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ZeroTerminatedStrings.cpp
        ${CMAKE_CURRENT_LIST_DIR}/StringManager.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MacText.cpp
    PUBLIC_LIBS tramvell_core)

dravim_add_test(foundation_strings_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/RulingStringTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/RulingStringStaticInit.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/StringUtilitiesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/StringManagerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MacTextTest.cpp
    LIBS tramvell_strings)

# Both Mac text tables against those python derives from its own Mac OS Roman codec.
if(NOT DRAVIM_WINDOWS)
    add_executable(foundation_mac_text_tables ${CMAKE_CURRENT_LIST_DIR}/tests/DumpMacTextTables.cpp)
    target_link_libraries(foundation_mac_text_tables PRIVATE tramvell_strings)
    dravim_target_options(foundation_mac_text_tables)
    find_program(DRAVIM_STRINGS_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
    if(NOT DRAVIM_STRINGS_PYTHON)
        set(DRAVIM_STRINGS_PYTHON /usr/bin/python3)
    endif()
    add_test(NAME foundation_mac_text_tables
        COMMAND ${DRAVIM_STRINGS_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/tests/check_mac_text_tables.py
                $<TARGET_FILE:foundation_mac_text_tables>)
endif()
