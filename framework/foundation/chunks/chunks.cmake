# IFF and RIFF chunk readers and writers, and the framework's list. Platform-free: the sample-file
# library links the first-generation classes for its WAVE files.
dravim_add_library(tramvell_chunks
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/IFFChunkInfo.cpp
        ${CMAKE_CURRENT_LIST_DIR}/IFFReader2.cpp
        ${CMAKE_CURRENT_LIST_DIR}/IFFWriter2.cpp
        ${CMAKE_CURRENT_LIST_DIR}/IFFFile.cpp
        ${CMAKE_CURRENT_LIST_DIR}/IFFChunk.cpp
        ${CMAKE_CURRENT_LIST_DIR}/RIFF.cpp
    PUBLIC_LIBS tramvell_core tramvell_strings)

dravim_add_test(foundation_chunks_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/IFFReaderWriter2Test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/IFFFileTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/IFFChunkTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/ChunkFilesTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/LinkedListTest.cpp
    LIBS tramvell_chunks
    TIMEOUT 120)

# Files exchanged with independent readers and writers: sox makes files the tests read, and python's
# chunk and wave modules, soxi and sndfile-info check the files the tests write. A missing tool fails.
if(TARGET foundation_chunks_tests)
    find_program(DRAVIM_CHUNKS_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
    if(NOT DRAVIM_CHUNKS_PYTHON)
        set(DRAVIM_CHUNKS_PYTHON /usr/bin/python3)
    endif()
    set(DRAVIM_CHUNK_FILES ${CMAKE_CURRENT_BINARY_DIR}/chunk-files)
    set(DRAVIM_CHUNKS_CHECKER ${CMAKE_CURRENT_LIST_DIR}/tests/check_chunks.py)
    add_test(NAME foundation_chunks_sox_files
        COMMAND ${DRAVIM_CHUNKS_PYTHON} -W ignore::DeprecationWarning ${DRAVIM_CHUNKS_CHECKER}
                make-sox ${DRAVIM_CHUNK_FILES})
    add_test(NAME foundation_chunks_check
        COMMAND ${DRAVIM_CHUNKS_PYTHON} -W ignore::DeprecationWarning ${DRAVIM_CHUNKS_CHECKER}
                check ${DRAVIM_CHUNK_FILES})
    set_tests_properties(foundation_chunks_sox_files PROPERTIES
        FIXTURES_SETUP foundation_chunks_sox_files TIMEOUT 120)
    set_tests_properties(foundation_chunks_tests PROPERTIES
        ENVIRONMENT DRAVIM_CHUNK_FILES=${DRAVIM_CHUNK_FILES}
        FIXTURES_REQUIRED foundation_chunks_sox_files
        FIXTURES_SETUP foundation_chunks_written_files)
    set_tests_properties(foundation_chunks_check PROPERTIES
        FIXTURES_REQUIRED foundation_chunks_written_files TIMEOUT 120)
endif()
