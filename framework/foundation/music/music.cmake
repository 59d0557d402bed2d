# Musical files and values: the SoundFont bank writer, standard MIDI files, the clock follower and time
# signature, time codes, musical texts and keyboard geometry. Platform-free.
dravim_add_library(tramvell_music
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ClockFollower.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TimeSignature.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TimeCode.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MusicalTexts.cpp
        ${CMAKE_CURRENT_LIST_DIR}/KeyboardGeometry.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MIDIFileHeader.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MIDIFileWriter.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MIDIFileReader.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SoundFontFileWriter.cpp
    PUBLIC_LIBS tramvell_chunks tramvell_versions tramvell_geometry)

dravim_add_test(foundation_music_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/ClockFollowerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/TimeCodeTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/KeyboardGeometryTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/MIDIFileTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/SoundFontFileWriterTest.cpp
    LIBS tramvell_music)
