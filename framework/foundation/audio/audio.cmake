# Sample-format conversion, audio accessors and in-memory samples, and the WAVE, AIFF and loop-slicer
# files. Platform-free but for tramvell_audio_files, the loop-slicer reader that opens a file by its name.
dravim_add_library(tramvell_audio
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/SampleFormat.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SampleConversion.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SampleUtilities.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SampleArithmetic.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AudioAccessor.cpp
        ${CMAKE_CURRENT_LIST_DIR}/WaveSample.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SampleFrameBlocks.cpp
        ${CMAKE_CURRENT_LIST_DIR}/WAVEFile.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AIFFFile.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LoopSlicerFiles.cpp
    PUBLIC_LIBS tramvell_chunks tramvell_versions tramvell_strings tramvell_core)

set(DRAVIM_AUDIO_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/SampleFormatTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/SampleConversionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/SampleUtilitiesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/AudioAccessorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/WAVEFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/AIFFFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/LoopSlicerFilesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/AudioFilesExchangeTest.cpp)
set(DRAVIM_AUDIO_TEST_LIBS tramvell_audio)
if(DRAVIM_WINDOWS)
    dravim_add_library(tramvell_audio_files
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/LoopSlicerFileSpec.cpp
        PUBLIC_LIBS tramvell_audio tramvell_files)
    list(APPEND DRAVIM_AUDIO_TEST_SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/LoopSlicerFileSpecTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/../files/tests/FilesTestSupport.cpp)
    set(DRAVIM_AUDIO_TEST_LIBS tramvell_audio_files)
endif()

dravim_add_test(foundation_audio_tests PLATFORM_MAIN
    SOURCES ${DRAVIM_AUDIO_TEST_SOURCES}
    LIBS ${DRAVIM_AUDIO_TEST_LIBS}
    TIMEOUT 120)

# Files exchanged with independent readers and writers: sox makes files the tests read, python's wave and
# aifc modules note what they hold, and they, soxi and sndfile-info check the files the tests write. A
# missing tool fails.
find_program(DRAVIM_AUDIO_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(NOT DRAVIM_AUDIO_PYTHON)
    set(DRAVIM_AUDIO_PYTHON /usr/bin/python3)
endif()
set(DRAVIM_AUDIO_FILES ${CMAKE_CURRENT_BINARY_DIR}/audio-files)
set(DRAVIM_AUDIO_CHECKER ${CMAKE_CURRENT_LIST_DIR}/tests/check_audio_files.py)
add_test(NAME foundation_audio_sox_files
    COMMAND ${DRAVIM_AUDIO_PYTHON} -W ignore::DeprecationWarning ${DRAVIM_AUDIO_CHECKER}
            make-sox ${DRAVIM_AUDIO_FILES})
add_test(NAME foundation_audio_check
    COMMAND ${DRAVIM_AUDIO_PYTHON} -W ignore::DeprecationWarning ${DRAVIM_AUDIO_CHECKER}
            check ${DRAVIM_AUDIO_FILES})
set_tests_properties(foundation_audio_sox_files PROPERTIES
    FIXTURES_SETUP foundation_audio_sox_files TIMEOUT 120)
set_tests_properties(foundation_audio_tests PROPERTIES
    ENVIRONMENT DRAVIM_AUDIO_FILES=${DRAVIM_AUDIO_FILES}
    FIXTURES_REQUIRED foundation_audio_sox_files
    FIXTURES_SETUP foundation_audio_written_files)
set_tests_properties(foundation_audio_check PROPERTIES
    FIXTURES_REQUIRED foundation_audio_written_files TIMEOUT 120)
