# The framework's resource script (tramvell_framework_resources, Windows only): the dialog templates of
# its own windows and dialogs.
if(DRAVIM_WINDOWS)
    add_library(tramvell_framework_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/Framework.rc)
endif()
