// Replays every input that ever made a fuzz target fail, through the same body the fuzzer runs, so
// the host and Windows builds guard each fix without a fuzzer.

#include "akai/filesystem/tests/fuzz/FuzzDiscImage.h"
#include "framework/foundation/audio/tests/fuzz/FuzzAudioFiles.h"
#include "framework/foundation/chunks/tests/fuzz/FuzzChunkFiles.h"
#include "framework/foundation/music/tests/fuzz/FuzzMIDIFiles.h"
#include "framework/foundation/strings/tests/fuzz/FuzzStringScript.h"
#include "framework/foundation/xml/tests/fuzz/FuzzXMLDocuments.h"
#include "framework/gui/images/tests/fuzz/FuzzBMPReader.h"
#include "framework/gui/dialogs/tests/fuzz/FuzzDialogTemplate.h"
#include "tests/fuzz/LargestAllocation.h"
#include "tests/support/HostPath.h"
#if DRAVIM_FUZZ_HAS_AKAI_FILE
#include "akai/parsers/tests/fuzz/FuzzAkaiFile.h"
#endif
#if DRAVIM_FUZZ_HAS_SAMPLE_FILE
#include "libs/samplefile/tests/fuzz/FuzzSampleFile.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

struct CFuzzTarget
{
    const char* name;   // the folder of its kept inputs
    int (*body)(const std::uint8_t*, std::size_t);
};

const CFuzzTarget kTargets[] = {
    {"disc_image", NSFuzzTargets::FuzzDiscImage},
#if DRAVIM_FUZZ_HAS_AKAI_FILE
    {"akai_file", NSFuzzTargets::FuzzAkaiFile},
#endif
    {"chunk_files", NSFuzzTargets::FuzzChunkFiles},
    {"audio_files", NSFuzzTargets::FuzzAudioFiles},
#if DRAVIM_FUZZ_HAS_SAMPLE_FILE
    {"sample_file", NSFuzzTargets::FuzzSampleFile},
#endif
    {"string_script", NSFuzzTargets::FuzzStringScript},
    {"midi_files", NSFuzzTargets::FuzzMIDIFiles},
    {"xml_documents", NSFuzzTargets::FuzzXMLDocuments},
    {"bmp_reader", NSFuzzTargets::FuzzBMPReader},
    {"dialog_template", NSFuzzTargets::FuzzDialogTemplate},
};

// The folder of kept inputs in the source tree.
std::filesystem::path RegressionRoot()
{
    return std::filesystem::path(NSTestSupport::HostPath(DRAVIM_FUZZ_REGRESSION_DIR));
}

// A target that never failed has no folder.
std::vector<std::filesystem::path> KeptInputs(const char* target)
{
    std::vector<std::filesystem::path> inputs;
    const std::filesystem::path folder = RegressionRoot() / target;
    if (!std::filesystem::is_directory(folder)) {
        return inputs;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::vector<std::uint8_t> ReadInput(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.good());
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class FuzzRegression : public testing::TestWithParam<CFuzzTarget>
{
};

TEST_P(FuzzRegression, KeptInputsRunCleanlyWithinTheAllocationLimit)
{
    ASSERT_TRUE(std::filesystem::is_directory(RegressionRoot())) << RegressionRoot().string();
    const std::vector<std::filesystem::path> inputs = KeptInputs(GetParam().name);
    RecordProperty("kept_inputs", static_cast<int>(inputs.size()));
    for (const std::filesystem::path& path : inputs) {
        SCOPED_TRACE(path.string());
        const std::vector<std::uint8_t> bytes = ReadInput(path);
        // The fuzzer never passes a null buffer, not even for an empty input.
        const std::uint8_t none = 0;
        NSFuzzTargets::ForgetLargestAllocation();
        EXPECT_NO_THROW(GetParam().body(bytes.empty() ? &none : bytes.data(), bytes.size()));
        EXPECT_LE(NSFuzzTargets::GetLargestAllocation(), NSFuzzTargets::kAllocationLimitInBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegression, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<CFuzzTarget>& info) { return std::string(info.param.name); });

TEST(LargestAllocation, SeesTheLargestSingleRequestSinceForgotten)
{
    NSFuzzTargets::ForgetLargestAllocation();
    std::vector<std::uint8_t> small(1000);
    auto large = std::make_unique<std::uint8_t[]>(3 * 1024 * 1024);
    std::vector<std::uint8_t> middle(2 * 1024 * 1024);
    EXPECT_EQ(NSFuzzTargets::GetLargestAllocation(), std::size_t{3} * 1024 * 1024);
    NSFuzzTargets::ForgetLargestAllocation();
    EXPECT_EQ(NSFuzzTargets::GetLargestAllocation(), 0u);
}

} // namespace
