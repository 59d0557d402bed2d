# Paged group views, the control view and the bitmap-drawn views, the transparent static text view.
# tramvell_page_values is the arithmetic behind them (drags, handle positions, scroll positions),
# platform-free; tramvell_pages (Windows only, as views live in windows) the views.
dravim_add_library(tramvell_page_values
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ControlValues.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ScrollPosition.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ControlFrames.cpp
    PUBLIC_LIBS tramvell_geometry)

dravim_add_test(views_page_values_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ControlValuesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ScrollPositionTest.cpp
    LIBS tramvell_page_values)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_pages
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/PagedGroupView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ControlView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/TransparentStaticTextView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/UntitledGroupBoxView.cpp
        PUBLIC_LIBS tramvell_page_values tramvell_view_base tramvell_windows tramvell_drawing tramvell_input)

    dravim_add_test(views_pages_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/PagedGroupViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/ControlViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/TransparentStaticTextViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/UntitledGroupBoxViewTest.cpp
            ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp
        LIBS tramvell_pages gui_window_test_support dravim_test_program_resources gui_test_program_resources
             foundation_modules_manifest_tests_resources gdi32)
    # Window tests share the one Wine desktop (focus and activation): they run one at a time.
    set_tests_properties(views_pages_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
