# Paths, files and folders. tramvell_paths holds the folder and file names, their stored forms, the path
# forms, file-type descriptions, volume records and the file-error mapping; the path forms ask the platform
# on Windows and a file system that holds nothing in the host build. tramvell_files (Windows only) is the
# rest: file media, file and folder operations, folder listing, well-known folders and volumes.
set(DRAVIM_PATHS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FileSpec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PathForms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileTypeDescription.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VolumeSpec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileOperations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CountedPointer.cpp)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_paths
        SOURCES
            ${DRAVIM_PATHS_SOURCES}
            ${CMAKE_CURRENT_LIST_DIR}/win32/PathForms.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/FileSystemCalls.cpp
        PUBLIC_LIBS tramvell_strings tramvell_core tramvell_platform)

    dravim_add_library(tramvell_files
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/FileOperations.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/FileMedia.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/Folders.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/Volumes.cpp
        PUBLIC_LIBS tramvell_paths tramvell_platform)

    # The bound kernel table carries the shell's special folders and the registry reads of the folder code.
    target_link_libraries(tramvell_platform PRIVATE shell32 advapi32)
else()
    dravim_add_library(tramvell_paths
        SOURCES
            ${DRAVIM_PATHS_SOURCES}
            ${CMAKE_CURRENT_LIST_DIR}/PathFormsWithoutPlatform.cpp
        PUBLIC_LIBS tramvell_strings tramvell_core)
endif()

dravim_add_test(foundation_paths_tests PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/PathsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PathsStoredFormsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PathsFileTypeDescriptionTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PathsVolumeSpecTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PathsFileErrorsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PathsCountedPointerTest.cpp
    LIBS tramvell_paths)

dravim_add_test(foundation_files_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/FilesTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/FileOperationsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/FileMediaTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/FoldersTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/VolumesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/FilesReservedNamesTest.cpp
    LIBS tramvell_files)
