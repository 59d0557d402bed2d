# Dialogs: the template reader, alert scripts, the choosers' states, type lists and filters
# (tramvell_dialog_forms, platform-free); on Windows the modal and modeless dialogs, the document window
# and the file and folder choosers (tramvell_dialogs), and the framework's dialog templates.
dravim_add_library(tramvell_dialog_forms
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/DialogTemplate.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AlertScript.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AlertLayout.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DialogStates.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FileTypeList.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ChooserRules.cpp
    PUBLIC_LIBS tramvell_screens tramvell_window_layout tramvell_geometry tramvell_paths tramvell_strings tramvell_core)

dravim_add_test(gui_dialog_forms_tests PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/DialogTemplateTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/AlertScriptTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/AlertLayoutTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DialogStatesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ChooserRulesTest.cpp
    LIBS tramvell_dialog_forms)
target_compile_definitions(gui_dialog_forms_tests PRIVATE DRAVIM_SOURCE_DIR="${CMAKE_SOURCE_DIR}")

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_dialogs
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/DialogTemplateLoad.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/ModalDialog.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/DocumentWindow.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/Choosers.cpp
        PUBLIC_LIBS tramvell_dialog_forms tramvell_windows tramvell_menus tramvell_modules tramvell_platform)

    dravim_add_test(gui_dialogs_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/DialogWindowsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/ChoosersTest.cpp
        LIBS tramvell_dialogs gui_window_test_support tramvell_framework_resources dravim_test_program_resources
             gui_test_program_resources ole32)
    set_tests_properties(gui_dialogs_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
