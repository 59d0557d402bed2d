# Choice controls (tramvell_views_choices): radio buttons and their group, the check box, the up-down
# button and the fader. The radio selection and the fader's arithmetic are platform-free; the views wrap
# native controls.
set(DRAVIM_VIEWS_CHOICES_SOURCES ${CMAKE_CURRENT_LIST_DIR}/ChoiceRules.cpp)
set(DRAVIM_VIEWS_CHOICES_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests/ChoiceRulesTest.cpp)
set(DRAVIM_VIEWS_CHOICES_LIBS tramvell_geometry)
if(DRAVIM_WINDOWS)
    list(APPEND DRAVIM_VIEWS_CHOICES_SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/win32/RadioButtonView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/CheckBoxView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/UpDownButtonView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/FaderView.cpp)
    list(APPEND DRAVIM_VIEWS_CHOICES_TESTS
        ${CMAKE_CURRENT_LIST_DIR}/tests/RadioButtonViewTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CheckBoxAndUpDownTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/FaderViewTest.cpp
        ${CMAKE_SOURCE_DIR}/framework/views/controls/tests/ControlTestSupport.cpp
        ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp)
    list(APPEND DRAVIM_VIEWS_CHOICES_LIBS tramvell_native_controls tramvell_dialog_forms tramvell_modules tramvell_platform)
    set(DRAVIM_VIEWS_CHOICES_TEST_LIBS gui_window_test_support dravim_test_program_resources gui_test_program_resources
        foundation_modules_manifest_tests_resources gdi32)
endif()
dravim_add_library(tramvell_views_choices
    SOURCES ${DRAVIM_VIEWS_CHOICES_SOURCES}
    PUBLIC_LIBS ${DRAVIM_VIEWS_CHOICES_LIBS})
dravim_add_test(views_choices_tests PLATFORM_MAIN SOURCES ${DRAVIM_VIEWS_CHOICES_TESTS}
    LIBS tramvell_views_choices ${DRAVIM_VIEWS_CHOICES_TEST_LIBS})
if(DRAVIM_WINDOWS)
    # Window tests share the one Wine desktop: they run one at a time.
    set_tests_properties(views_choices_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
