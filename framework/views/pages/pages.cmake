# Paged group views, the control view and the bitmap-drawn views, the transparent static text view.
# tramvell_page_values is the arithmetic behind them (drags, handle positions),
# platform-free; tramvell_pages (Windows only, as views live in windows) the views.
dravim_add_library(tramvell_page_values
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ControlValues.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ControlFrames.cpp
    PUBLIC_LIBS tramvell_geometry)

dravim_add_test(views_page_values_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ControlValuesTest.cpp
    LIBS tramvell_page_values)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_pages
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/PagedGroupView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ControlView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/TransparentStaticTextView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/UntitledGroupBoxView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SequenceFrames.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BitmapView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BitmapFaderView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BitmapKnobView.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BitmapSequenceView.cpp
        PUBLIC_LIBS tramvell_page_values tramvell_view_base tramvell_windows tramvell_drawing tramvell_input
                    tramvell_bitmaps tramvell_images tramvell_dialog_forms)

    # The tests' pictures, made at build time by the script beside them, as BMPF resources 100 to 105.
    set(DRAVIM_VIEW_PICTURES ${CMAKE_CURRENT_BINARY_DIR}/view-pictures)
    set(DRAVIM_VIEW_PICTURE_NAMES blue-20x10 red-60x50 track-100x10 handle-10x10 frames-3x10x10
        tool-17x16)
    set(DRAVIM_VIEW_PICTURE_FILES)
    set(DRAVIM_VIEW_PICTURES_SCRIPT "")
    set(pictureId 100)
    foreach(name ${DRAVIM_VIEW_PICTURE_NAMES})
        list(APPEND DRAVIM_VIEW_PICTURE_FILES ${DRAVIM_VIEW_PICTURES}/${name}.bmp)
        string(APPEND DRAVIM_VIEW_PICTURES_SCRIPT "${pictureId} BMPF \"${DRAVIM_VIEW_PICTURES}/${name}.bmp\"\n")
        math(EXPR pictureId "${pictureId} + 1")
    endforeach()
    add_custom_command(OUTPUT ${DRAVIM_VIEW_PICTURE_FILES}
        COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/tests/make_view_pictures.py ${DRAVIM_VIEW_PICTURES}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tests/make_view_pictures.py)
    set(DRAVIM_VIEW_PICTURES_RC ${CMAKE_CURRENT_BINARY_DIR}/ViewPictures.rc)
    file(WRITE ${DRAVIM_VIEW_PICTURES_RC} "${DRAVIM_VIEW_PICTURES_SCRIPT}")
    set_source_files_properties(${DRAVIM_VIEW_PICTURES_RC} PROPERTIES OBJECT_DEPENDS "${DRAVIM_VIEW_PICTURE_FILES}")

    dravim_add_test(views_pages_tests PLATFORM_MAIN
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/PagedGroupViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/ControlViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/TransparentStaticTextViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/UntitledGroupBoxViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/BitmapViewsTest.cpp
            ${DRAVIM_VIEW_PICTURES_RC}
            ${DRAVIM_VIEW_PICTURE_FILES}
            ${CMAKE_SOURCE_DIR}/framework/gui/windows/tests/ClassWindow.cpp
        LIBS tramvell_pages gui_window_test_support dravim_test_program_resources gui_test_program_resources
             foundation_modules_manifest_tests_resources gdi32)
    # Window tests share the one Wine desktop (focus and activation): they run one at a time.
    set_tests_properties(views_pages_tests PROPERTIES RESOURCE_LOCK dravim_wine_desktop)
endif()
