#include "akai/parsers/tests/fuzz/AkaiSeeds.h"

#include "akai/filesystem/tests/support/DiscImageBuilder.h"
#include "tests/fuzz/SeedFiles.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace NSFuzzTargets {

namespace {

using NSAkaiTestSupport::CDiscImage;
using NSAkaiTestSupport::CDiscImageBuilder;
using NSAkaiTestSupport::CFileDescription;
using NSAkaiTestSupport::CVolumeDescription;
using NSAkaiTestSupport::EVolumeKind;

constexpr std::uint8_t kProgramType = 240;
constexpr std::uint8_t kSampleType = 243;
constexpr std::uint8_t kLargeProgramType = 112;
constexpr std::uint8_t kLargeSampleType = 115;

struct CSampleFiles
{
    std::vector<std::uint8_t> program;
    std::vector<std::uint8_t> fourKeyGroupProgram;
    std::vector<std::uint8_t> sine;
    std::vector<std::uint8_t> square;
};

CSampleFiles ReadSampleFiles(const std::filesystem::path& sampleFolder)
{
    const std::filesystem::path instruments = sampleFolder / "instruments";
    return CSampleFiles{ReadSourceFile(instruments / "test_program.a3p"), ReadSourceFile(instruments / "test_4_kgs.a3p"),
                        ReadSourceFile(instruments / "sine.a3s"), ReadSourceFile(instruments / "square.a3s")};
}

std::vector<std::uint8_t> LengthenedSample(const std::vector<std::uint8_t>& sample, std::size_t extraBytes)
{
    std::vector<std::uint8_t> longSample = sample;
    const std::vector<std::uint8_t> tail = NSAkaiTestSupport::MakeFileContents(extraBytes, 5);
    longSample.insert(longSample.end(), tail.begin(), tail.end());
    return longSample;
}

// One volume of each kind over two partitions, programs and samples of both record kinds, and a
// sample of two blocks.
CDiscImage BuildVolumeKindsDisc(const CSampleFiles& files)
{
    CDiscImageBuilder builder;
    builder.AddPartition(10);
    builder.AddVolume(0, CVolumeDescription("S1000 VOLUME", EVolumeKind::kS1000));
    builder.AddFile(0, 0, CFileDescription("TEST PROGRAM", kProgramType, files.program));
    builder.AddFile(0, 0, CFileDescription("SINE", kSampleType, files.sine));
    builder.AddFile(0, 0, CFileDescription("LONG SINE", kSampleType, LengthenedSample(files.sine, 9000)));
    builder.AddVolume(0, CVolumeDescription("S3000 VOLUME", EVolumeKind::kS3000, 7));
    builder.AddFile(0, 1, CFileDescription("TEST 4 KGS", kLargeProgramType, files.fourKeyGroupProgram));
    builder.AddFile(0, 1, CFileDescription("SQUARE", kLargeSampleType, files.square));
    builder.AddPartition(4);
    builder.AddVolume(1, CVolumeDescription("CD3000 DISC", EVolumeKind::kCD3000, 1));
    builder.AddFile(1, 0, CFileDescription("SINE", kSampleType, files.sine, {}, 509));
    return builder.Build();
}

// A sample across three blocks in no order, and a program after it.
CDiscImage BuildFragmentedDisc(const CSampleFiles& files)
{
    const std::vector<std::uint8_t> longSample = LengthenedSample(files.sine, 17000);
    CDiscImageBuilder builder;
    builder.AddPartition(9);
    builder.AddVolume(0, CVolumeDescription("FRAGMENTS", EVolumeKind::kS3000));
    builder.AddFile(0, 0, CFileDescription("LONG SINE", kSampleType, longSample, {7, 3, 5}));
    builder.AddFile(0, 0, CFileDescription("TEST PROGRAM", kProgramType, files.program, {8}));
    return builder.Build();
}

CDiscImage BuildVolumeTableDisc(const CSampleFiles& files)
{
    CDiscImageBuilder builder;
    builder.AddPartition(5);
    const std::size_t positions[] = {0, 49, 99};
    for (std::size_t i = 0; i < std::size(positions); ++i) {
        CVolumeDescription volume("VOLUME " + std::to_string(i + 1), EVolumeKind::kS1000);
        volume.tablePosition = positions[i];
        builder.AddVolume(0, volume);
    }
    builder.AddFile(0, 1, CFileDescription("SINE", kSampleType, files.sine, {}, 127));
    return builder.Build();
}

struct CDamage
{
    const char* name;
    std::function<void(CDiscImage&)> apply;
};

// The volume-kinds disc with one field written over: each the kind of fault an old or badly ripped
// disc shows.
const std::vector<CDamage>& Damages()
{
    static const std::vector<CDamage> damages = {
        {"chain-cut", [](CDiscImage& image) { image.SetChainLink(0, 0, 2, 0, 0); }},
        {"chain-loop",
         [](CDiscImage& image) { image.SetChainLink(0, 0, 2, 0, image.GetFileBlocks(0, 0, 2).front()); }},
        {"chain-into-directory", [](CDiscImage& image) { image.SetChainLink(0, 0, 2, 0, 1); }},
        {"file-size-past-disc", [](CDiscImage& image) { image.SetFileSize(0, 0, 1, 0xFFFFFF); }},
        {"file-first-block-off-partition", [](CDiscImage& image) { image.SetFileFirstBlock(0, 1, 0, 0xFFFF); }},
        {"file-first-block-header", [](CDiscImage& image) { image.SetFileFirstBlock(0, 0, 0, 0); }},
        {"partition-size-zero", [](CDiscImage& image) { image.SetPartitionSizeWord(0, 0); }},
        {"partition-size-past-disc", [](CDiscImage& image) { image.SetPartitionSizeWord(1, 8000); }},
        {"header-magic-zeroed", [](CDiscImage& image) { image.ZeroHeaderMagicWords(1); }},
        {"volume-start-off-partition", [](CDiscImage& image) { image.SetVolumeStartBlock(0, 1, 0xFFFF); }},
        {"volume-flags-all-set", [](CDiscImage& image) { image.SetVolumeFlags(0, 0, 0xFF); }},
        {"volume-name-bad-code", [](CDiscImage& image) { image.SetVolumeNameByte(0, 1, 3, 0xFF); }},
        {"file-name-bad-code", [](CDiscImage& image) { image.SetFileNameByte(0, 0, 1, 0, 0xC8); }},
        {"file-type-unknown", [](CDiscImage& image) { image.SetFileType(0, 1, 0, 0x55); }},
        {"allocation-entry-past-partition", [](CDiscImage& image) { image.SetAllocationEntry(0, 3, 0x3FFF); }},
        {"trimmed-mid-partition", [](CDiscImage& image) { image.Trim(image.Bytes().size() - 3 * 8192 - 100); }},
        {"trimmed-in-header", [](CDiscImage& image) { image.Trim(1500); }},
        {"blocks-appended", [](CDiscImage& image) { image.AppendBlocks(2); }},
    };
    return damages;
}

} // namespace

void WriteDiscImageSeeds(const std::filesystem::path& folder, const std::filesystem::path& sampleFolder)
{
    const CSampleFiles files = ReadSampleFiles(sampleFolder);
    WriteSeedFile(folder, "minimal.img", CDiscImageBuilder::BuildMinimalDisc().Bytes());
    const CDiscImage volumeKinds = BuildVolumeKindsDisc(files);
    WriteSeedFile(folder, "volume-kinds.img", volumeKinds.Bytes());
    WriteSeedFile(folder, "fragmented.img", BuildFragmentedDisc(files).Bytes());
    WriteSeedFile(folder, "volume-table.img", BuildVolumeTableDisc(files).Bytes());
    for (const CDamage& damage : Damages()) {
        CDiscImage damaged = volumeKinds;
        damage.apply(damaged);
        WriteSeedFile(folder, std::string("damaged-") + damage.name + ".img", damaged.Bytes());
    }
}

void WriteAkaiFileSeeds(const std::filesystem::path& folder, const std::filesystem::path& sampleFolder)
{
    for (const char* subfolder : {"instruments", "defaults"}) {
        std::vector<std::filesystem::path> paths;
        for (const auto& entry : std::filesystem::directory_iterator(sampleFolder / subfolder)) {
            const std::string extension = entry.path().extension().string();
            if (entry.is_regular_file() && (extension == ".a3p" || extension == ".a3s")) {
                paths.push_back(entry.path());
            }
        }
        std::sort(paths.begin(), paths.end());
        for (const std::filesystem::path& path : paths) {
            WriteSeedFile(folder, std::string(subfolder) + "-" + path.filename().string(), ReadSourceFile(path));
        }
    }
}

} // namespace NSFuzzTargets
