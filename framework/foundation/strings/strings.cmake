# Ruling strings, the string utilities and the string manager.
dravim_add_library(tramvell_strings
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/RulingString.cpp
        ${CMAKE_CURRENT_LIST_DIR}/StringUtilities.cpp
        ${CMAKE_CURRENT_LIST_DIR}/StringManager.cpp
    PUBLIC_LIBS tramvell_core)

dravim_add_test(foundation_strings_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/RulingStringTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/RulingStringStaticInit.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/StringUtilitiesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/StringManagerTest.cpp
    LIBS tramvell_strings)
