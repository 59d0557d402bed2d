# Versions, module references and resources, code modules, shared libraries and the safe file writer.
# tramvell_versions is platform-free: the version values, the version stamp, the framework's constants
# and the decisions of the platform version tests. tramvell_modules (Windows only) is what asks the
# platform: module records, resources, version resources, code modules, libraries, the safe file writer.
dravim_add_library(tramvell_versions
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/Version.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FrameworkConstants.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DLLOperations.cpp
    PUBLIC_LIBS tramvell_strings tramvell_core)

dravim_add_test(foundation_versions_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/VersionTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/VersionConstantsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/VersionConstantsStaticInit.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DLLDecisionsTest.cpp
    LIBS tramvell_versions)

if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_modules
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/win32/ModuleReference.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/Resources.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/VersionResource.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/CodeModule.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/DLLOperations.cpp
            ${CMAKE_CURRENT_LIST_DIR}/win32/SafeFileWriter.cpp
        PUBLIC_LIBS tramvell_versions tramvell_files tramvell_paths tramvell_platform
        PRIVATE_LIBS version)

    # The bound kernel table carries the version-block functions.
    target_link_libraries(tramvell_platform PRIVATE version)

    # Test libraries, built beside the test programs: one with a full version block and resources, one
    # whose block names only "Product Version", one without a block.
    set(DRAVIM_MODULE_FIXTURES ${CMAKE_CURRENT_LIST_DIR}/tests/fixtures)
    foreach(fixture Versioned ProductSpace Unversioned)
        set(fixtureTarget dravim_fixture_${fixture})
        add_library(${fixtureTarget}_resources OBJECT ${DRAVIM_MODULE_FIXTURES}/${fixture}Library.rc)
        target_include_directories(${fixtureTarget}_resources PRIVATE ${DRAVIM_MODULE_FIXTURES})
        add_library(${fixtureTarget} SHARED ${DRAVIM_MODULE_FIXTURES}/FixtureLibrary.cpp)
        target_link_libraries(${fixtureTarget} PRIVATE ${fixtureTarget}_resources)
        set_target_properties(${fixtureTarget} PROPERTIES PREFIX "" OUTPUT_NAME ${fixtureTarget}
            RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
        dravim_target_options(${fixtureTarget})
        dravim_static_runtime(${fixtureTarget})
    endforeach()

    # A version block ("Build Number" 42, "ProductVersion") and "SSTR" 128 / "SALR" 1 scripts for any test
    # program that constructs a code module (construction reads the program's version block): link it.
    add_library(dravim_test_program_resources OBJECT ${DRAVIM_MODULE_FIXTURES}/ModulesTestProgram.rc)
    target_include_directories(dravim_test_program_resources PRIVATE ${DRAVIM_MODULE_FIXTURES})
    # The test program as the current code module; the program links its own version block.
    add_library(dravim_test_program_module STATIC ${CMAKE_CURRENT_LIST_DIR}/tests/TestProgramModule.cpp)
    target_link_libraries(dravim_test_program_module PUBLIC tramvell_modules)
    dravim_target_options(dravim_test_program_module)
    # The common-controls 6 manifest of the second module test program.
    add_library(foundation_modules_manifest_tests_resources OBJECT
        ${DRAVIM_MODULE_FIXTURES}/CommonControlsManifest.rc)
    target_include_directories(foundation_modules_manifest_tests_resources PRIVATE ${DRAVIM_MODULE_FIXTURES})
endif()

dravim_add_test(foundation_modules_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ModuleTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ModuleReferenceTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ResourceTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/VersionResourceTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ModuleCodeModuleTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DLLOperationsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DLLCommonControlsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/SafeFileWriterTest.cpp
    LIBS tramvell_modules dravim_test_program_resources)

dravim_add_test(foundation_modules_manifest_tests WINDOWS_ONLY PLATFORM_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/DLLCommonControlsTest.cpp
    LIBS tramvell_modules foundation_modules_manifest_tests_resources)

if(TARGET foundation_modules_tests)
    add_dependencies(foundation_modules_tests
        dravim_fixture_Versioned dravim_fixture_ProductSpace dravim_fixture_Unversioned)
    target_compile_definitions(foundation_modules_tests PRIVATE DRAVIM_COMMON_CONTROLS_6_MANIFEST=0)
    target_compile_definitions(foundation_modules_manifest_tests PRIVATE DRAVIM_COMMON_CONTROLS_6_MANIFEST=1)
endif()
