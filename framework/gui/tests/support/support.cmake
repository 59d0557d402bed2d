# What the window-layer tests share: fake windows (platform-free), and on Windows the test application,
# the in-process driver, the watchdog and the screenshots, with the resources every GUI test program links
# besides dravim_test_program_resources (the common alerts, the fatal start-up messages, the control views'
# resources).
dravim_add_library(gui_test_fakes
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FakeWindow.cpp
    PUBLIC_LIBS tramvell_app_core)

if(DRAVIM_WINDOWS)
    dravim_add_library(gui_test_support
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/TestApplication.cpp
            ${CMAKE_CURRENT_LIST_DIR}/Driver.cpp
            ${CMAKE_CURRENT_LIST_DIR}/FakeClock.cpp
            ${CMAKE_SOURCE_DIR}/framework/foundation/files/tests/FilesTestSupport.cpp
        PUBLIC_LIBS tramvell_application gui_test_fakes GTest::gtest)

    # The control views' resources come as a script of their own: the window layer includes nothing of the
    # views above it.
    add_library(gui_test_program_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/fixtures/GuiTestProgram.rc
                ${CMAKE_SOURCE_DIR}/framework/views/resources/ViewResources.rc)
    target_include_directories(gui_test_program_resources PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fixtures ${CMAKE_SOURCE_DIR})
    set(viewResources ${CMAKE_SOURCE_DIR}/framework/views/resources)
    set_source_files_properties(${viewResources}/ViewResources.rc PROPERTIES OBJECT_DEPENDS
        "${viewResources}/split-rows.cur;${viewResources}/split-columns.cur;${viewResources}/common-strings-1000.txt")
endif()
