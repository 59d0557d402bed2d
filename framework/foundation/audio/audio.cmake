# Sample-format conversion, audio accessors and in-memory samples, and the WAVE and AIFF
# files. Platform-free.
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
    PUBLIC_LIBS tramvell_chunks tramvell_versions tramvell_strings tramvell_core)

dravim_add_test(foundation_audio_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/SampleFormatTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/SampleConversionTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/SampleUtilitiesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/AudioAccessorTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/WAVEFileTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/AIFFFileTest.cpp
    LIBS tramvell_audio
    TIMEOUT 120)
