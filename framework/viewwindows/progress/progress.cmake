# The progress windows of lengthy operations (tramvell_progress_windows), laid out with control views over
# the operations of framework/gui/progress.
if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_progress_windows
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/SimpleLengthyOperation.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/OldLengthyOperation.cpp
        PUBLIC_LIBS tramvell_progress tramvell_native_controls tramvell_dialogs tramvell_strings)

    dravim_add_test(viewwindows_progress_tests PLATFORM_MAIN
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/ProgressWindowsTest.cpp
        LIBS tramvell_progress_windows tramvell_framework_resources gui_window_test_support
             dravim_test_program_resources gui_test_program_resources)
    set_tests_properties(viewwindows_progress_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
