# Lengthy operations (tramvell_progress): the progress records and the older operation's tick clock are
# platform-free; the operation, its modal window base and the frameless child window are Windows only. The
# progress windows, made of control views, stand above them in framework/viewwindows/progress.
dravim_add_library(tramvell_progress_records
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProgressInfo.cpp
    PUBLIC_LIBS tramvell_runtime)

dravim_add_test(gui_progress_records_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/OldLengthyOperationClockTest.cpp
    LIBS tramvell_progress_records)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_progress
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/LengthyOperation.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/NoFrameWindow.cpp
        PUBLIC_LIBS tramvell_progress_records tramvell_windows tramvell_application tramvell_platform)

    dravim_add_test(gui_progress_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/LengthyOperationTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/NoFrameWindowTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/ProgressTemplateTest.cpp
        LIBS tramvell_progress tramvell_framework_resources gui_window_test_support dravim_test_program_resources
             gui_test_program_resources)
    set_tests_properties(gui_progress_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
