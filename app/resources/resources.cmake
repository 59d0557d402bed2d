# The program's resource script and what it is built from: string table 128 made from the modules' text
# files, the artwork drawn by make_artwork.py (committed; a test draws it again and compares).
find_program(DRAVIM_PYTHON3 python3 HINTS /usr/bin REQUIRED)

set(DRAVIM_APP_RESOURCES ${CMAKE_CURRENT_LIST_DIR})
# The sources of string table 128, one file per library that reads its texts.
set(DRAVIM_STRING_TABLE_SOURCES
    ${CMAKE_SOURCE_DIR}/conversion/resources/conversion-strings-128.txt
    ${CMAKE_SOURCE_DIR}/akai/parsers/resources/parser-strings-128.txt
    ${DRAVIM_APP_RESOURCES}/strings-128.txt)
set(DRAVIM_STRING_TABLE_SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/resources/strings-128.sstr)
add_custom_command(OUTPUT ${DRAVIM_STRING_TABLE_SCRIPT}
    COMMAND ${DRAVIM_PYTHON3} ${DRAVIM_APP_RESOURCES}/make_string_table.py ${DRAVIM_STRING_TABLE_SCRIPT}
            ${DRAVIM_STRING_TABLE_SOURCES}
    DEPENDS ${DRAVIM_APP_RESOURCES}/make_string_table.py ${DRAVIM_STRING_TABLE_SOURCES}
    COMMENT "Making string table 128"
    VERBATIM)
add_custom_target(dravim_string_table DEPENDS ${DRAVIM_STRING_TABLE_SCRIPT})

string(REPLACE "." ";" versionParts ${DRAVIM_VERSION})
list(GET versionParts 0 DRAVIM_VERSION_MAJOR)
list(GET versionParts 1 DRAVIM_VERSION_MINOR)
list(GET versionParts 2 DRAVIM_VERSION_PATCH)
configure_file(${DRAVIM_APP_RESOURCES}/DravimVersion.h.in ${CMAKE_CURRENT_BINARY_DIR}/resources/DravimVersion.h)

if(DRAVIM_WINDOWS)
    add_library(dravim_app_resources OBJECT ${DRAVIM_APP_RESOURCES}/Dravim.rc)
    target_include_directories(dravim_app_resources PRIVATE ${CMAKE_SOURCE_DIR} ${DRAVIM_APP_RESOURCES}
        ${CMAKE_CURRENT_BINARY_DIR}/resources)
    add_dependencies(dravim_app_resources dravim_string_table)
    # windres does not see the files the script names.
    file(GLOB logTemplates ${CMAKE_SOURCE_DIR}/conversion/resources/log-templates/*.htm)
    file(GLOB artwork ${DRAVIM_APP_RESOURCES}/art/*)
    # The views' script is included: its strings and cursors are the program's too.
    file(GLOB viewResources ${CMAKE_SOURCE_DIR}/framework/views/resources/ViewResources.rc
        ${CMAKE_SOURCE_DIR}/framework/views/resources/*.cur ${CMAKE_SOURCE_DIR}/framework/views/resources/*.txt)
    set_source_files_properties(${DRAVIM_APP_RESOURCES}/Dravim.rc PROPERTIES OBJECT_DEPENDS
        "${DRAVIM_STRING_TABLE_SCRIPT};${logTemplates};${artwork};${DRAVIM_APP_RESOURCES}/alerts-128.txt;${DRAVIM_APP_RESOURCES}/menus-128.txt;${DRAVIM_APP_RESOURCES}/Dravim.manifest;${CMAKE_SOURCE_DIR}/conversion/resources/splash.jpg;${CMAKE_CURRENT_BINARY_DIR}/resources/DravimVersion.h;${viewResources}")
endif()

add_test(NAME app_artwork_matches_generator
    COMMAND ${DRAVIM_PYTHON3} ${DRAVIM_APP_RESOURCES}/make_artwork.py --check)
add_test(NAME app_string_table_generator
    COMMAND ${DRAVIM_PYTHON3} -m unittest discover -s ${DRAVIM_APP_RESOURCES}/tests -p "test_*.py")

dravim_add_test(app_resources_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/ProgramResourcesTest.cpp
    LIBS app_strings tramvell_dialogs tramvell_menus dravim_test_program_module dravim_app_resources)
if(DRAVIM_WINDOWS)
    target_compile_definitions(app_resources_tests PRIVATE DRAVIM_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    # The resource table as other tools list it; the i686 build's program is listed too, though not run.
    add_test(NAME app_resources_listing
        COMMAND ${DRAVIM_PYTHON3} ${DRAVIM_APP_RESOURCES}/tests/check_listing.py $<TARGET_FILE:app_resources_tests>)
endif()
