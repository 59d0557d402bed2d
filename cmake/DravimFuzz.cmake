# Fuzzing the readers of untrusted bytes. Each target's body is a plain function in a library of its
# own, linked both by the libFuzzer program (DRAVIM_FUZZ builds only, which tools/fuzz makes with clang)
# and by fuzz_regression_tests, which replays every input that ever made a target fail in every build.
option(DRAVIM_FUZZ "Build the libFuzzer targets and their seed writer (clang; see tools/fuzz)" OFF)

set(DRAVIM_FUZZ_TARGETS)
set(DRAVIM_FUZZ_TARGET_LINES "")
set(DRAVIM_FUZZ_DEFINITIONS)

# dravim_add_fuzz_target(name BODY source ENTRY source LIBS ...): the body library fuzz_<name>_body,
# and in a fuzz build the program fuzz_<name>.
macro(dravim_add_fuzz_target name)
    cmake_parse_arguments(FUZZ "" "ENTRY" "BODY;LIBS" ${ARGN})
    dravim_add_library(fuzz_${name}_body SOURCES ${FUZZ_BODY} PUBLIC_LIBS ${FUZZ_LIBS})
    if(DRAVIM_FUZZ)
        add_executable(fuzz_${name} ${FUZZ_ENTRY})
        target_link_libraries(fuzz_${name} PRIVATE fuzz_${name}_body)
        target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
        dravim_target_options(fuzz_${name})
    endif()
    list(APPEND DRAVIM_FUZZ_TARGETS ${name})
    get_filename_component(FUZZ_FOLDER ${FUZZ_ENTRY} DIRECTORY)
    string(APPEND DRAVIM_FUZZ_TARGET_LINES "${name} ${FUZZ_FOLDER}\n")
    string(TOUPPER ${name} FUZZ_UPPER_NAME)
    list(APPEND DRAVIM_FUZZ_DEFINITIONS DRAVIM_FUZZ_HAS_${FUZZ_UPPER_NAME}=1)
endmacro()

set(DRAVIM_DISC_IMAGE_FUZZ ${CMAKE_SOURCE_DIR}/akai/filesystem/tests/fuzz)
set(DRAVIM_AKAI_FILE_FUZZ ${CMAKE_SOURCE_DIR}/akai/parsers/tests/fuzz)
set(DRAVIM_CHUNKS_FUZZ ${CMAKE_SOURCE_DIR}/framework/foundation/chunks/tests/fuzz)
set(DRAVIM_STRINGS_FUZZ ${CMAKE_SOURCE_DIR}/framework/foundation/strings/tests/fuzz)
set(DRAVIM_AUDIO_FUZZ ${CMAKE_SOURCE_DIR}/framework/foundation/audio/tests/fuzz)
set(DRAVIM_SAMPLEFILE_FUZZ ${CMAKE_SOURCE_DIR}/libs/samplefile/tests/fuzz)
set(DRAVIM_MUSIC_FUZZ ${CMAKE_SOURCE_DIR}/framework/foundation/music/tests/fuzz)
set(DRAVIM_XML_FUZZ ${CMAKE_SOURCE_DIR}/framework/foundation/xml/tests/fuzz)
set(DRAVIM_IMAGES_FUZZ ${CMAKE_SOURCE_DIR}/framework/gui/images/tests/fuzz)
set(DRAVIM_DIALOG_TEMPLATE_FUZZ ${CMAKE_SOURCE_DIR}/framework/gui/dialogs/tests/fuzz)

dravim_add_fuzz_target(disc_image
    BODY ${DRAVIM_DISC_IMAGE_FUZZ}/FuzzDiscImage.cpp ENTRY ${DRAVIM_DISC_IMAGE_FUZZ}/DiscImageFuzzer.cpp
    LIBS akai_filesystem)
if(TARGET akai_parsers)
    dravim_add_fuzz_target(akai_file
        BODY ${DRAVIM_AKAI_FILE_FUZZ}/FuzzAkaiFile.cpp ENTRY ${DRAVIM_AKAI_FILE_FUZZ}/AkaiFileFuzzer.cpp
        LIBS akai_parsers akai_parser_test_support)
endif()
dravim_add_fuzz_target(chunk_files
    BODY ${DRAVIM_CHUNKS_FUZZ}/FuzzChunkFiles.cpp ENTRY ${DRAVIM_CHUNKS_FUZZ}/ChunkFilesFuzzer.cpp
    LIBS tramvell_chunks)
if(TARGET sondrel_core)
    # The library's two exports come in as source: the target calls Sondrel_Create in process.
    dravim_add_fuzz_target(sample_file
        BODY ${DRAVIM_SAMPLEFILE_FUZZ}/FuzzSampleFile.cpp ${CMAKE_SOURCE_DIR}/libs/samplefile/SondrelExports.cpp
        ENTRY ${DRAVIM_SAMPLEFILE_FUZZ}/SampleFileFuzzer.cpp
        LIBS sondrel_core)
endif()
dravim_add_fuzz_target(audio_files
    BODY ${DRAVIM_AUDIO_FUZZ}/FuzzAudioFiles.cpp ENTRY ${DRAVIM_AUDIO_FUZZ}/AudioFilesFuzzer.cpp
    LIBS tramvell_audio)
dravim_add_fuzz_target(string_script
    BODY ${DRAVIM_STRINGS_FUZZ}/FuzzStringScript.cpp ENTRY ${DRAVIM_STRINGS_FUZZ}/StringScriptFuzzer.cpp
    LIBS tramvell_strings)
dravim_add_fuzz_target(midi_files
    BODY ${DRAVIM_MUSIC_FUZZ}/FuzzMIDIFiles.cpp ENTRY ${DRAVIM_MUSIC_FUZZ}/MIDIFilesFuzzer.cpp
    LIBS tramvell_music)
dravim_add_fuzz_target(xml_documents
    BODY ${DRAVIM_XML_FUZZ}/FuzzXMLDocuments.cpp ENTRY ${DRAVIM_XML_FUZZ}/XMLDocumentsFuzzer.cpp
    LIBS tramvell_xml)
dravim_add_fuzz_target(bmp_reader
    BODY ${DRAVIM_IMAGES_FUZZ}/FuzzBMPReader.cpp ENTRY ${DRAVIM_IMAGES_FUZZ}/BMPReaderFuzzer.cpp
    LIBS tramvell_images)
dravim_add_fuzz_target(dialog_template
    BODY ${DRAVIM_DIALOG_TEMPLATE_FUZZ}/FuzzDialogTemplate.cpp
    ENTRY ${DRAVIM_DIALOG_TEMPLATE_FUZZ}/DialogTemplateFuzzer.cpp
    LIBS tramvell_dialog_forms)

set(DRAVIM_FUZZ_BODIES ${DRAVIM_FUZZ_TARGETS})
list(TRANSFORM DRAVIM_FUZZ_BODIES PREPEND fuzz_)
list(TRANSFORM DRAVIM_FUZZ_BODIES APPEND _body)

# A kept input that hangs again runs into the timeout: the replay of all of them takes seconds.
dravim_add_test(fuzz_regression_tests
    SOURCES
        ${CMAKE_SOURCE_DIR}/tests/fuzz/FuzzRegressionTest.cpp
        ${CMAKE_SOURCE_DIR}/tests/fuzz/LargestAllocation.cpp
    LIBS ${DRAVIM_FUZZ_BODIES}
    TIMEOUT 120)
target_compile_definitions(fuzz_regression_tests PRIVATE ${DRAVIM_FUZZ_DEFINITIONS}
    DRAVIM_FUZZ_REGRESSION_DIR="${CMAKE_SOURCE_DIR}/tests/fuzz/regressions")

if(NOT DRAVIM_FUZZ)
    return()
endif()

dravim_add_library(fuzz_seed_files SOURCES ${CMAKE_SOURCE_DIR}/tests/fuzz/SeedFiles.cpp)
add_executable(dravim_fuzz_seeds
    ${CMAKE_SOURCE_DIR}/tests/fuzz/WriteFuzzSeeds.cpp
    ${DRAVIM_AKAI_FILE_FUZZ}/AkaiSeeds.cpp
    ${DRAVIM_CHUNKS_FUZZ}/FoundationSeeds.cpp
    ${DRAVIM_MUSIC_FUZZ}/MusicSeeds.cpp
    ${DRAVIM_AUDIO_FUZZ}/AudioSeeds.cpp
    ${DRAVIM_XML_FUZZ}/XMLSeeds.cpp
    ${DRAVIM_IMAGES_FUZZ}/BMPSeeds.cpp
    ${DRAVIM_DIALOG_TEMPLATE_FUZZ}/DialogTemplateSeeds.cpp)
target_link_libraries(dravim_fuzz_seeds PRIVATE fuzz_seed_files akai_disc_image_builder tramvell_chunks
    tramvell_music tramvell_audio tramvell_xml tramvell_images tramvell_dialog_forms)
if(TARGET sondrel_core)
    target_sources(dravim_fuzz_seeds PRIVATE ${DRAVIM_SAMPLEFILE_FUZZ}/SampleFileSeeds.cpp)
    target_link_libraries(dravim_fuzz_seeds PRIVATE fuzz_sample_file_body)
endif()
target_compile_definitions(dravim_fuzz_seeds PRIVATE ${DRAVIM_FUZZ_DEFINITIONS}
    DRAVIM_SOURCE_DIR="${CMAKE_SOURCE_DIR}" DRAVIM_TESTDATA_DIR="${CMAKE_SOURCE_DIR}/tests/data/s3000xl")
dravim_target_options(dravim_fuzz_seeds)

# For tools/fuzz: each target of this build and the folder of its sources (where its dictionary lies).
file(WRITE ${CMAKE_BINARY_DIR}/fuzz-targets.txt "${DRAVIM_FUZZ_TARGET_LINES}")
