# What the window-layer tests share: fake windows (platform-free), and on Windows the test application,
# the in-process driver, the watchdog and the screenshots, with the resources every GUI test program links
# besides dravim_test_program_resources (the common alerts and the fatal start-up messages).
dravim_add_library(gui_test_fakes
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FakeWindow.cpp
    PUBLIC_LIBS tramvell_app_core)

if(DRAVIM_WINDOWS)
    dravim_add_library(gui_test_support
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/TestApplication.cpp
            ${CMAKE_CURRENT_LIST_DIR}/Driver.cpp
            ${CMAKE_SOURCE_DIR}/framework/foundation/files/tests/FilesTestSupport.cpp
        PUBLIC_LIBS tramvell_application gui_test_fakes GTest::gtest)

    add_library(gui_test_program_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/fixtures/GuiTestProgram.rc)
    target_include_directories(gui_test_program_resources PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fixtures)
endif()
