# The conversion-error dialog and the convert-another question (Windows only: they are modal windows
# built from the program's dialog templates).
if(NOT DRAVIM_WINDOWS)
    return()
endif()

dravim_add_library(app_errordialog
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/ConversionErrorDialog.cpp
    PUBLIC_LIBS tramvell_dialogs tramvell_native_controls tramvell_bitmaps tramvell_strings)

# The templates come from the program's own resource script, with its version block and fatal texts.
dravim_add_test(app_errordialog_tests PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ConversionErrorDialogTest.cpp
        ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp
    LIBS app_errordialog gui_window_test_support dravim_test_program_module dravim_app_resources gdi32)
set_tests_properties(app_errordialog_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
