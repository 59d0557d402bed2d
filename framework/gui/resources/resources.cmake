# The framework's resource script (tramvell_framework_resources, Windows only): the dialog templates of
# its own windows and dialogs.
if(DRAVIM_WINDOWS)
    add_library(tramvell_framework_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/Framework.rc)
endif()
if(DRAVIM_WINDOWS)
    add_library(tramvell_common_alerts OBJECT ${CMAKE_CURRENT_LIST_DIR}/CommonAlerts.rc)
    target_include_directories(tramvell_common_alerts PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/CommonAlerts.rc PROPERTIES OBJECT_DEPENDS
        ${CMAKE_CURRENT_LIST_DIR}/common-alerts-1000.txt)
endif()
