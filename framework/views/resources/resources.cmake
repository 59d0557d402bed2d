# The control views' resources (split cursors, common string table), compiled into the program by its
# own script and into the test programs that read them; and the check that the cursors are the drawn ones.
if(DRAVIM_WINDOWS)
    add_library(views_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/ViewResources.rc)
    target_include_directories(views_resources PRIVATE ${CMAKE_SOURCE_DIR})
    set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/ViewResources.rc PROPERTIES OBJECT_DEPENDS
        "${CMAKE_CURRENT_LIST_DIR}/split-rows.cur;${CMAKE_CURRENT_LIST_DIR}/split-columns.cur;${CMAKE_CURRENT_LIST_DIR}/common-strings-1000.txt")
endif()
find_program(DRAVIM_PYTHON3 python3 HINTS /usr/bin REQUIRED)
add_test(NAME views_cursors_match_generator
    COMMAND ${DRAVIM_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/make_cursors.py --check)
