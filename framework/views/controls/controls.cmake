# The native-control glue, the life cycle every native-control view shares (CNativeControl), and the control
# views built on them: push button, progress bar, static text, icon.
# tramvell_control_values (platform-free) is their geometry, the control registry and the progress values;
# tramvell_native_controls (Windows only) the controls themselves. The window procedure hands the
# controls' notifications to the registry, so the window base links the controls back.
dravim_add_library(tramvell_control_values
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/NativeControlGlue.cpp
        ${CMAKE_CURRENT_LIST_DIR}/PushButtonView.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ProgressBarView.cpp
    PUBLIC_LIBS tramvell_dialog_forms tramvell_geometry)

dravim_add_test(views_control_values_tests PLATFORM_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/ControlValuesTest.cpp
    LIBS tramvell_control_values)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_native_controls
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/NativeControlGlue.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/NativeControl.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/PushButtonView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/ProgressBarView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/StaticTextView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/IconView.cpp
        PUBLIC_LIBS tramvell_control_values tramvell_windows tramvell_view_base tramvell_drawing tramvell_application
                    tramvell_modules tramvell_platform tramvell_bitmaps tramvell_dialog_forms)
    target_link_libraries(tramvell_windows PUBLIC tramvell_native_controls)

    # Real controls in framework windows, with the common-controls 6 manifest the program carries.
    dravim_add_test(views_controls_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/ControlTestSupport.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/NativeControlGlueTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/NativeCaptureTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/PushButtonViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/ProgressBarViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/StaticTextViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/IconViewTest.cpp
            ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp
        LIBS tramvell_native_controls gui_window_test_support dravim_test_program_resources
             gui_test_program_resources foundation_modules_manifest_tests_resources gdi32)
    set_tests_properties(views_controls_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
