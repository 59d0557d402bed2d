# The raw-disk client, a drive's volume as an Akai disc, the mounting rule, and a disc image file as an
# Akai disc. Windows only: the client calls the exports of Brakvel.dll. The library does not link them,
# so that the program can take them from the DLL's import library (target Brakvel) and the tests from
# brakvel_core in process, behind FakeDrives.
if(NOT DRAVIM_WINDOWS)
    return()
endif()

dravim_add_library(akai_client
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/BrakvelErrors.cpp
        ${CMAKE_CURRENT_LIST_DIR}/VolumeHolder.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BrakvelDebugger.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DiskMountingFilter.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AkaiFileSystemBrakvelMedia.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MountFilter.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DiskImageDiskMedia.cpp
    PUBLIC_LIBS akai_filesystem tramvell_files)

dravim_add_test(akai_client_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ClientErrorsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ClientHoldersTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ClientAllocationTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ClientReceiversTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ClientMediaTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ListingTest.cpp
    LIBS akai_client akai_filesystem_test_support brakvel_fake_drives brakvel_core)
