# A sample's WAVE file: the glue to the sample-file library, the writing of one sample and the analysis
# of its data. The library calls Sondrel_Create but does not link it: programs take it from Sondrel.dll's
# import library (target Sondrel), the native tests from the library's core in process.
dravim_add_library(conversion_wave
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/WaveGlue.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SampleWriter.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SampleAnalysis.cpp
    PUBLIC_LIBS conversion_log conversion_patch akai_parsers tramvell_audio tramvell_paths tramvell_strings tramvell_core)

dravim_add_test(conversion_wave_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ConversionWaveGlueTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ConversionSampleWriterTest.cpp
    LIBS conversion_wave conversion_disc_test_support conversion_sondrel_in_process)
