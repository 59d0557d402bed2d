# Musical files and values: the SoundFont bank writer, standard MIDI files, the clock follower and time
# signature, time codes and musical texts. Platform-free.
dravim_add_library(tramvell_music
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ClockFollower.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TimeSignature.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TimeCode.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MusicalTexts.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MIDIFileHeader.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MIDIFileWriter.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MIDIFileReader.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SoundFontFileWriter.cpp
    PUBLIC_LIBS tramvell_chunks tramvell_versions)

dravim_add_test(foundation_music_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ClockFollowerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/TimeCodeTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MIDIFileTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/SoundFontFileWriterTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MusicFilesTest.cpp
    LIBS tramvell_music
    TIMEOUT 120)

# Files exchanged with independent readers and writers: csvmidi makes MIDI files the tests read; mido,
# midicsv, file, a walker of the bank's records and fluidsynth (with sox on its rendering) check the
# files the tests write. A missing tool fails.
if(TARGET foundation_music_tests)
    find_program(DRAVIM_MUSIC_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
    if(NOT DRAVIM_MUSIC_PYTHON)
        set(DRAVIM_MUSIC_PYTHON /usr/bin/python3)
    endif()
    set(DRAVIM_MUSIC_FILES ${CMAKE_CURRENT_BINARY_DIR}/music-files)
    set(DRAVIM_MUSIC_CHECKER ${CMAKE_CURRENT_LIST_DIR}/tests/check_music_files.py)
    add_test(NAME foundation_music_their_files
        COMMAND ${DRAVIM_MUSIC_PYTHON} -W ignore::DeprecationWarning ${DRAVIM_MUSIC_CHECKER}
                make ${DRAVIM_MUSIC_FILES})
    add_test(NAME foundation_music_check
        COMMAND ${DRAVIM_MUSIC_PYTHON} -W ignore::DeprecationWarning ${DRAVIM_MUSIC_CHECKER}
                check ${DRAVIM_MUSIC_FILES})
    set_tests_properties(foundation_music_their_files PROPERTIES
        FIXTURES_SETUP foundation_music_their_files TIMEOUT 120)
    set_tests_properties(foundation_music_tests PROPERTIES
        ENVIRONMENT DRAVIM_MUSIC_FILES=${DRAVIM_MUSIC_FILES}
        FIXTURES_REQUIRED foundation_music_their_files
        FIXTURES_SETUP foundation_music_written_files)
    set_tests_properties(foundation_music_check PROPERTIES
        FIXTURES_REQUIRED foundation_music_written_files TIMEOUT 120)
endif()
