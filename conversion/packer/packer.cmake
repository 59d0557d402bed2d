# The archive packer: finding it and handing a converted folder over to it (Windows only). The tests run
# a fake packer program of their own, built beside the test program, which derives its path from its own.
if(DRAVIM_WINDOWS)
    dravim_add_library(conversion_packer
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/PackerTable.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/PackerPlatform.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/PackerDiscovery.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/PackerProcesses.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/PackFolder.cpp
        PUBLIC_LIBS conversion_disc tramvell_system tramvell_modules tramvell_files tramvell_paths tramvell_platform
        PRIVATE_LIBS user32 advapi32)

    # A windowed program, as the packer is: started by the windowed Dravim, a console program would get a
    # console window of its own on the screen.
    add_executable(conversion_fake_packer WIN32 ${CMAKE_CURRENT_LIST_DIR}/tests/fakepacker/FakePacker.cpp)
    target_include_directories(conversion_fake_packer PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(conversion_fake_packer PRIVATE user32)
    set_target_properties(conversion_fake_packer PROPERTIES
        OUTPUT_NAME FakePacker RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    dravim_target_options(conversion_fake_packer)
    dravim_static_runtime(conversion_fake_packer)

    # The version block of the code module the tests make, and the splash picture ("JPEG" 128).
    add_library(conversion_packer_tests_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/tests/PackerTestResources.rc)
    target_include_directories(conversion_packer_tests_resources PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests
        ${CMAKE_SOURCE_DIR}/conversion/resources)
endif()

dravim_add_test(conversion_packer_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/PackerTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PackerDiscoveryTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PackerHandOverTest.cpp
    LIBS conversion_packer conversion_packer_tests_resources advapi32 user32)

if(TARGET conversion_packer_tests)
    set_target_properties(conversion_packer_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    add_dependencies(conversion_packer_tests conversion_fake_packer)
    # The packer's registry value and its fake's processes are the Wine prefix's, shared with the
    # coordinator's tests.
    set_tests_properties(conversion_packer_tests PROPERTIES RESOURCE_LOCK dravim_packer_registry)
endif()
