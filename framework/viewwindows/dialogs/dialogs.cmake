# The framework's own dialogs made of control views (tramvell_framework_dialogs): the alert box, the
# low-memory dialog and the save-before-close question. The application core shows its alerts and its
# low-memory warning through them, so it links them back.
if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_framework_dialogs
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/AlertBox.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/LowMemoryDialog.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/SaveBeforeCloseDialog.cpp
        PUBLIC_LIBS tramvell_dialogs tramvell_native_controls tramvell_bitmaps tramvell_windows tramvell_platform)
    target_link_libraries(tramvell_app_core PUBLIC tramvell_framework_dialogs)

    # Real alert boxes and low-memory dialogs with real buttons, with the common-controls 6 manifest the program carries.
    dravim_add_test(viewwindows_dialogs_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/AlertBoxTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/LowMemoryDialogTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/SaveBeforeCloseDialogTest.cpp
            ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp
        LIBS tramvell_framework_dialogs gui_window_test_support tramvell_framework_resources
             dravim_test_program_resources gui_test_program_resources foundation_modules_manifest_tests_resources
             gdi32)
    set_tests_properties(viewwindows_dialogs_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
