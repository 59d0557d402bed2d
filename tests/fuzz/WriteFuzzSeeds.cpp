// Writes the seed corpus of every fuzz target into <output folder>/<target>/, from the tests' own
// builders and writers and the sampler files of the shared test data.

#include "akai/parsers/tests/fuzz/AkaiSeeds.h"
#include "framework/foundation/audio/tests/fuzz/AudioSeeds.h"
#include "framework/foundation/chunks/tests/fuzz/FoundationSeeds.h"
#include "framework/foundation/music/tests/fuzz/MusicSeeds.h"
#include "framework/foundation/xml/tests/fuzz/XMLSeeds.h"
#include "framework/gui/images/tests/fuzz/BMPSeeds.h"
#include "framework/gui/dialogs/tests/fuzz/DialogTemplateSeeds.h"
#if DRAVIM_FUZZ_HAS_SAMPLE_FILE
#include "libs/samplefile/tests/fuzz/SampleFileSeeds.h"
#endif

#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <vector>

namespace {

// Where the program keeps its string scripts; each holds one script per .txt file.
const char* const kScriptFolders[] = {"conversion/resources", "framework/foundation/modules/tests/fixtures",
                                      "akai/resources", "app/resources"};

std::vector<std::filesystem::path> FindScriptFiles(const std::filesystem::path& sourceRoot)
{
    std::vector<std::filesystem::path> scripts;
    for (const char* folder : kScriptFolders) {
        const std::filesystem::path path = sourceRoot / folder;
        if (!std::filesystem::is_directory(path)) {
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            if (entry.is_regular_file() && entry.path().extension() == ".txt") {
                scripts.push_back(entry.path());
            }
        }
    }
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

} // namespace

int main(int argumentCount, char** arguments)
{
    if (argumentCount != 2) {
        std::cerr << "usage: " << arguments[0] << " OUTPUT-FOLDER\n";
        return 2;
    }
    const std::filesystem::path output(arguments[1]);
    const std::filesystem::path sampleFolder(DRAVIM_TESTDATA_DIR);
    try {
        NSFuzzTargets::WriteDiscImageSeeds(output / "disc_image", sampleFolder);
        NSFuzzTargets::WriteAkaiFileSeeds(output / "akai_file", sampleFolder);
        NSFuzzTargets::WriteChunkFileSeeds(output / "chunk_files");
        NSFuzzTargets::WriteAudioFileSeeds(output / "audio_files");
        NSFuzzTargets::WriteStringScriptSeeds(output / "string_script", FindScriptFiles(DRAVIM_SOURCE_DIR));
        NSFuzzTargets::WriteMIDIFileSeeds(output / "midi_files");
        NSFuzzTargets::WriteXMLDocumentSeeds(output / "xml_documents");
        NSFuzzTargets::WriteBMPSeeds(output / "bmp_reader");
        NSFuzzTargets::WriteDialogTemplateSeeds(output / "dialog_template");
#if DRAVIM_FUZZ_HAS_SAMPLE_FILE
        NSFuzzTargets::WriteSampleFileSeeds(output / "sample_file");
#endif
    } catch (const std::exception& e) {
        std::cerr << "writing the seeds failed: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
