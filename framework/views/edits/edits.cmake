# Text edits (tramvell_views_edits): the length rules, clipboard text and the keys an edit control keeps
# are platform-free; the text-edit base and its multi-line, single-line and integer forms wrap the native
# edit control.
set(DRAVIM_VIEWS_EDITS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/EditRules.cpp)
set(DRAVIM_VIEWS_EDITS_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/EditRulesTest.cpp)
set(DRAVIM_VIEWS_EDITS_LIBS tramvell_input)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_VIEWS_EDITS_SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/win32/TextEditView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/MultiLineTextEditView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/SingleLineTextEditView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/IntegerTextEditView.cpp)
    list(APPEND DRAVIM_VIEWS_EDITS_TESTS
        ${CMAKE_CURRENT_LIST_DIR}/tests/TextEditViewTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/IntegerTextEditTest.cpp
        ${CMAKE_SOURCE_DIR}/framework/views/controls/tests/ControlTestSupport.cpp
        ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp)
    list(APPEND DRAVIM_VIEWS_EDITS_LIBS tramvell_native_controls tramvell_shell tramvell_application tramvell_platform
        tramvell_views_scrolling tramvell_strings tramvell_dialog_forms)
    set(DRAVIM_VIEWS_EDITS_TEST_LIBS gui_window_test_support dravim_test_program_resources gui_test_program_resources
        foundation_modules_manifest_tests_resources gdi32)
endif()
dravim_add_library(tramvell_views_edits
    SOURCES ${DRAVIM_VIEWS_EDITS_SOURCES}
    PUBLIC_LIBS ${DRAVIM_VIEWS_EDITS_LIBS})
dravim_add_test(views_edits_tests PLATFORM_MAIN SOURCES ${DRAVIM_VIEWS_EDITS_TESTS}
    LIBS tramvell_views_edits ${DRAVIM_VIEWS_EDITS_TEST_LIBS})
if(DRAVIM_WINDOWS)
    # Window tests share the one Wine desktop: they run one at a time.
    set_tests_properties(views_edits_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
