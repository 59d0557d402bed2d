# Dialogs: the template reader, alert scripts, the choosers' states, type lists and filters
# (tramvell_dialog_forms, platform-free); on Windows the modal and modeless dialogs, the document window
# and the file and folder choosers (tramvell_dialogs), and the framework's dialog templates.
dravim_add_library(tramvell_dialog_forms
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/DialogTemplate.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AlertScript.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DialogStates.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FileTypeList.cpp
    PUBLIC_LIBS tramvell_geometry tramvell_paths tramvell_strings tramvell_core)

dravim_add_test(gui_dialog_forms_tests PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/DialogTemplateTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/AlertScriptTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DialogStatesTest.cpp
    LIBS tramvell_dialog_forms)
target_compile_definitions(gui_dialog_forms_tests PRIVATE DRAVIM_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
