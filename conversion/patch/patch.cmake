# The patch model, zone conversion and patch file writer, with the output sample records and the
# converter's strings they use.
dravim_add_library(conversion_patch
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ConverterStrings.cpp
        ${CMAKE_CURRENT_LIST_DIR}/OutputFileMemoryMedia.cpp
        ${CMAKE_CURRENT_LIST_DIR}/PatchUnits.cpp
        ${CMAKE_CURRENT_LIST_DIR}/PatchZone.cpp
        ${CMAKE_CURRENT_LIST_DIR}/PatchModel.cpp
        ${CMAKE_CURRENT_LIST_DIR}/PatchModelReader.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ZoneCurves.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LoopAndStereoRules.cpp
        ${CMAKE_CURRENT_LIST_DIR}/OutputSampleRecord.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ZoneSamples.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ZoneConversion.cpp
        ${CMAKE_CURRENT_LIST_DIR}/PatchAssembly.cpp
        ${CMAKE_CURRENT_LIST_DIR}/PatchFileWriter.cpp
    PUBLIC_LIBS akai_parsers tramvell_chunks tramvell_versions tramvell_paths tramvell_strings tramvell_core)

dravim_add_test(conversion_patch_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/PatchTestFakes.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PatchFileExpectation.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PatchUnitsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PatchRulesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PatchSamplesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PatchZoneTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PatchAssemblyTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PatchFileTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PatchRealFilesTest.cpp
    LIBS conversion_patch akai_parser_test_support)

# The written patch files go to a folder of the build tree, where an independent checker (python's
# struct, nothing of ours) reads them back after the tests; the curve table is recomputed in decimals.
if(TARGET conversion_patch_tests)
    find_program(DRAVIM_PATCH_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
    if(NOT DRAVIM_PATCH_PYTHON)
        set(DRAVIM_PATCH_PYTHON /usr/bin/python3)
    endif()
    set(DRAVIM_PATCH_FILES ${CMAKE_CURRENT_BINARY_DIR}/patch-files)
    file(MAKE_DIRECTORY ${DRAVIM_PATCH_FILES})
    set_tests_properties(conversion_patch_tests PROPERTIES
        ENVIRONMENT DRAVIM_PATCH_FILES=${DRAVIM_PATCH_FILES}
        FIXTURES_SETUP conversion_patch_files)
    add_test(NAME conversion_patch_check
        COMMAND ${DRAVIM_PATCH_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/tests/check_patch.py ${DRAVIM_PATCH_FILES})
    set_tests_properties(conversion_patch_check PROPERTIES FIXTURES_REQUIRED conversion_patch_files TIMEOUT 120)
    add_test(NAME conversion_patch_formula_table
        COMMAND ${DRAVIM_PATCH_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/tests/make_patch_formula_table.py
                --compare ${CMAKE_CURRENT_LIST_DIR}/tests/PatchFormulaTable.inc)
    set_tests_properties(conversion_patch_formula_table PROPERTIES TIMEOUT 120)
endif()
