# The application object and its services, the program's entry and the Dravim target (Windows only:
# the application object is the framework's), with its in-process tests.
if(NOT DRAVIM_WINDOWS)
    return()
endif()

dravim_add_library(app_application
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/LuvexApp.cpp
    PUBLIC_LIBS app_coordinator app_preferences app_strings akai_client tramvell_application tramvell_menus
                tramvell_dialogs)

# The application with fake services and a fake main window over fake drives; the conversions it runs
# are real, into temporary folders.
dravim_add_test(app_object_tests PLATFORM_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/win32/LuvexAppTest.cpp
    LIBS app_application gui_test_support akai_filesystem_test_support brakvel_fake_drives brakvel_core
         app_coordinator conversion_packer conversion_disc akai_client conversion_wave Sondrel
         dravim_test_program_module dravim_app_resources
    TIMEOUT 600)
add_custom_command(TARGET app_object_tests POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Sondrel> $<TARGET_FILE_DIR:app_object_tests>)

include(${CMAKE_CURRENT_LIST_DIR}/program.cmake)
