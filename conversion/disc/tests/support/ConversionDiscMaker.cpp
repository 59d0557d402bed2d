#include "conversion/disc/tests/support/ConversionDiscMaker.h"

#include "akai/parsers/tests/support/RecordBuilder.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace NSConversionTestSupport {

using NSAkaiTestSupport::CDiscImage;
using NSAkaiTestSupport::CDiscImageBuilder;
using NSAkaiTestSupport::CFileDescription;
using NSAkaiTestSupport::CRecordBuilder;
using NSAkaiTestSupport::CVolumeDescription;
using NSAkaiTestSupport::EVolumeKind;

namespace {

// Header offsets of the Akai records, as the parser tests write them.
constexpr std::size_t kNameOffset = 3;
constexpr std::size_t kSampleLoopModeOffset = 19;
constexpr std::size_t kSampleLengthOffset = 26;
constexpr std::size_t kSampleStartOffset = 30;
constexpr std::size_t kSampleEndOffset = 34;
constexpr std::size_t kKeyGroupCountOffset = 42;
constexpr std::size_t kHighKeyOffset = 4;
constexpr std::size_t kFirstZoneOffset = 34;
constexpr std::size_t kZoneSizeInBytes = 24;
constexpr std::size_t kZoneHighVelocityOffset = 13;
constexpr std::size_t kZonePanOffset = 18;

std::int32_t FormatOf(std::uint8_t type)
{
    return type == kLongProgramType || type == kLongSampleType ? NSAkaiTestSupport::kLongFormat
                                                               : NSAkaiTestSupport::kShortFormat;
}

// A manifest written as the checker reads it.
class CManifest
{
public:
    void AddFolder(const std::string& path) { mFolders.push_back(Quote(path)); }
    // pcm holds the frames interleaved; loop is [start, end) or none.
    void AddWave(const std::string& path, int channels, const std::vector<std::int16_t>& pcm, bool looped,
                 std::uint32_t loopStart, std::uint32_t loopEnd)
    {
        std::ostringstream entry;
        entry << "{\"path\": " << Quote(path) << ", \"channels\": " << channels << ", \"rate\": 44100, \"pcm\": [";
        for (std::size_t i = 0; i < pcm.size(); ++i)
            entry << (i == 0 ? "" : ",") << pcm[i];
        entry << "], \"loop\": ";
        if (looped)
            entry << "[" << loopStart << ", " << loopEnd << "]";
        else
            entry << "null";
        entry << "}";
        mWaves.push_back(entry.str());
    }
    void AddPatch(const std::string& path) { mPatches.push_back(Quote(path)); }
    void AddSkipped(const std::string& partition, const std::string& volume, const std::string& file,
                    const std::string& cause)
    {
        mSkipped.push_back("{\"partition\": " + Quote(partition) + ", \"volume\": " + Quote(volume) +
                           ", \"file\": " + Quote(file) + ", \"cause\": " + Quote(cause) + "}");
    }

    std::string Text() const
    {
        return "{\n\"folders\": " + List(mFolders) + ",\n\"waves\": " + List(mWaves) + ",\n\"patches\": " +
               List(mPatches) + ",\n\"skipped\": " + List(mSkipped) + "\n}\n";
    }

private:
    static std::string Quote(const std::string& text)
    {
        std::string quoted = "\"";
        for (const char c : text) {
            if (c == '"' || c == '\\')
                quoted += '\\';
            quoted += c;
        }
        return quoted + "\"";
    }
    static std::string List(const std::vector<std::string>& items)
    {
        std::string text = "[";
        for (std::size_t i = 0; i < items.size(); ++i)
            text += (i == 0 ? "\n  " : ",\n  ") + items[i];
        return text + "]";
    }

    std::vector<std::string> mFolders;
    std::vector<std::string> mWaves;
    std::vector<std::string> mPatches;
    std::vector<std::string> mSkipped;
};

std::vector<std::int16_t> Interleave(const std::vector<std::int16_t>& left, const std::vector<std::int16_t>& right)
{
    std::vector<std::int16_t> frames;
    for (std::size_t i = 0; i < left.size(); ++i) {
        frames.push_back(left[i]);
        frames.push_back(right[i]);
    }
    return frames;
}

} // namespace

std::vector<std::int16_t> MakeSampleData(std::size_t frameCount, std::int32_t seed)
{
    std::vector<std::int16_t> data(frameCount);
    std::uint32_t state = 2463534242u ^ static_cast<std::uint32_t>(seed);
    for (std::int16_t& value : data) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        value = static_cast<std::int16_t>(state & 0xFFFF);
    }
    return data;
}

std::vector<std::uint8_t> MakeSampleFile(const CSampleSpec& sample, std::uint8_t type)
{
    CRecordBuilder header = CRecordBuilder::SampleHeader(FormatOf(type));
    const auto length = static_cast<std::uint32_t>(sample.data.size());
    header.SetName(kNameOffset, sample.name)
        .Set8(kSampleLoopModeOffset, sample.akaiLoopMode)
        .Set32(kSampleLengthOffset, length)
        .Set32(kSampleStartOffset, 0)
        .Set32(kSampleEndOffset, length);
    if (sample.holdLoop)
        header.SetLoop(0, sample.loopAt, sample.loopLength, kHoldDwellTime);
    header.AppendFrames(sample.data);
    return header.Bytes();
}

std::vector<std::uint8_t> MakeProgramFile(const CProgramSpec& program, std::uint8_t type)
{
    const std::int32_t format = FormatOf(type);
    CRecordBuilder header = CRecordBuilder::ProgramHeader(format);
    header.SetName(kNameOffset, program.name).Set8(kKeyGroupCountOffset, static_cast<std::int32_t>(program.keyGroups.size()));
    std::vector<std::vector<std::uint8_t>> records = {header.Bytes()};
    for (const std::vector<CZoneSpec>& zones : program.keyGroups) {
        CRecordBuilder keyGroup = CRecordBuilder::KeyGroup(format);
        keyGroup.Set8(kHighKeyOffset, 127);
        for (std::size_t z = 0; z < zones.size() && z < 4; ++z) {
            const std::size_t base = kFirstZoneOffset + kZoneSizeInBytes * z;
            keyGroup.SetName(base, zones[z].sampleName)
                .Set8(base + kZoneHighVelocityOffset, 127)
                .Set8(base + kZonePanOffset, zones[z].pan);
        }
        records.push_back(keyGroup.Bytes());
    }
    return NSAkaiTestSupport::JoinRecords(records);
}

std::vector<std::uint8_t> MakeBadSampleFile(std::uint8_t type)
{
    CRecordBuilder header = CRecordBuilder::SampleHeader(FormatOf(type));
    // A header name that is no Akai name counts two errors, three values out of range three more: one
    // more than the parser corrects. The directory still names the file.
    header.SetNameBytes(kNameOffset, {20, 60}).Set8(2, 200).Set8(kSampleLoopModeOffset, 200).Set8(140, 200);
    return header.Bytes();
}

std::vector<std::uint8_t> MakeBadProgramFile(const std::string& name, std::uint8_t type)
{
    CRecordBuilder header = CRecordBuilder::ProgramHeader(FormatOf(type));
    header.SetName(kNameOffset, name).Set8(kKeyGroupCountOffset, 0);
    return header.Bytes();
}

namespace {

struct CAcceptanceLayout
{
    std::size_t partition = 0;
    std::size_t volume = 0;
    std::size_t brokenFile = 0;
};

CAcceptanceLayout AddAcceptanceContent(CDiscImageBuilder& builder, CManifest& manifest)
{

    // Partition A, volume PIANOS (S1000, short records): a stereo pair played by a program, a mono unlooped
    // sample, and two programs named PIANO, the second naming a sample the volume lacks.
    const std::size_t a = builder.AddPartition(600);
    manifest.AddFolder("Partition A");
    const std::size_t pianos = builder.AddVolume(a, CVolumeDescription("PIANOS", EVolumeKind::kS1000));
    manifest.AddFolder("Partition A/PIANOS");
    const CSampleSpec left{"GRAND PNO  L", MakeSampleData(300, 1), 1, true, 250, 100};
    const CSampleSpec right{"GRAND PNO  R", MakeSampleData(300, 2), 1, true, 250, 100};
    const CSampleSpec strings{"STRINGS", MakeSampleData(123, 3), 2, false, 0, 0};
    builder.AddFile(a, pianos, CFileDescription(left.name, kShortSampleType, MakeSampleFile(left, kShortSampleType)));
    builder.AddFile(a, pianos, CFileDescription(right.name, kShortSampleType, MakeSampleFile(right, kShortSampleType)));
    builder.AddFile(a, pianos, CFileDescription(strings.name, kShortSampleType, MakeSampleFile(strings, kShortSampleType)));
    const CProgramSpec piano{"PIANO", {{{left.name, -50}, {right.name, 50}}}};
    const CProgramSpec pianoWithMissing{"PIANO", {{{"MISSING ONE", 0}}, {{strings.name, 0}}}};
    builder.AddFile(a, pianos, CFileDescription(piano.name, kShortProgramType, MakeProgramFile(piano, kShortProgramType)));
    builder.AddFile(a, pianos,
                    CFileDescription(pianoWithMissing.name, kShortProgramType,
                                     MakeProgramFile(pianoWithMissing, kShortProgramType)));
    manifest.AddWave("Partition A/PIANOS/GRAND PNO (S).wav", 2, Interleave(left.data, right.data), true, 150, 250);
    manifest.AddWave("Partition A/PIANOS/STRINGS.wav", 1, strings.data, false, 0, 0);
    manifest.AddPatch("Partition A/PIANOS/PIANO.mqp");
    manifest.AddPatch("Partition A/PIANOS/PIANO2.mqp");

    // Volume DRUMS (S3000, long records): two samples of one name, looped in release, and three damaged files.
    const std::size_t drums = builder.AddVolume(a, CVolumeDescription("DRUMS", EVolumeKind::kS3000));
    manifest.AddFolder("Partition A/DRUMS");
    const CSampleSpec kick{"KICK", MakeSampleData(64, 4), 0, true, 60, 16};
    const CSampleSpec otherKick{"KICK", MakeSampleData(80, 5), 2, false, 0, 0};
    builder.AddFile(a, drums, CFileDescription(kick.name, kLongSampleType, MakeSampleFile(kick, kLongSampleType)));
    builder.AddFile(a, drums, CFileDescription("BAD SAMPLE", kLongSampleType, MakeBadSampleFile(kLongSampleType)));
    builder.AddFile(a, drums,
                    CFileDescription(otherKick.name, kLongSampleType, MakeSampleFile(otherKick, kLongSampleType)));
    builder.AddFile(a, drums,
                    CFileDescription("BAD PROGRAM", kLongProgramType, MakeBadProgramFile("BAD PROGRAM", kLongProgramType)));
    const CSampleSpec broken{"BROKEN", MakeSampleData(6000, 6), 2, false, 0, 0};
    const std::size_t brokenFile =
        builder.AddFile(a, drums, CFileDescription(broken.name, kLongSampleType, MakeSampleFile(broken, kLongSampleType)));
    const CProgramSpec kit{"KIT", {{{kick.name, 0}}}};
    builder.AddFile(a, drums, CFileDescription(kit.name, kLongProgramType, MakeProgramFile(kit, kLongProgramType)));
    manifest.AddWave("Partition A/DRUMS/KICK.wav", 1, kick.data, true, 44, 60);
    manifest.AddWave("Partition A/DRUMS/KICK2.wav", 1, otherKick.data, false, 0, 0);
    manifest.AddPatch("Partition A/DRUMS/KIT.mqp");
    manifest.AddSkipped("Partition A", "DRUMS", "BAD SAMPLE", "bad format");
    manifest.AddSkipped("Partition A", "DRUMS", "BAD PROGRAM", "bad format");
    manifest.AddSkipped("Partition A", "DRUMS", "BROKEN", "bad format");

    // A volume of blank name and an empty volume.
    const std::size_t blank = builder.AddVolume(a, CVolumeDescription("", EVolumeKind::kS1000));
    manifest.AddFolder("Partition A/Volume 3");
    const CSampleSpec solo{"SOLO", MakeSampleData(50, 7), 2, false, 0, 0};
    builder.AddFile(a, blank, CFileDescription(solo.name, kShortSampleType, MakeSampleFile(solo, kShortSampleType)));
    manifest.AddWave("Partition A/Volume 3/SOLO.wav", 1, solo.data, false, 0, 0);
    builder.AddVolume(a, CVolumeDescription("EMPTY", EVolumeKind::kS1000));
    manifest.AddFolder("Partition A/EMPTY");

    // Partition B: its one volume holds nothing the conversion takes.
    const std::size_t b = builder.AddPartition(40);
    manifest.AddFolder("Partition B");
    const std::size_t others = builder.AddVolume(b, CVolumeDescription("OTHERS", EVolumeKind::kS3000));
    builder.AddFile(b, others, CFileDescription("EFFECTS", kOtherFileType, std::vector<std::uint8_t>(500, 1)));
    manifest.AddFolder("Partition B/OTHERS");

    return {a, drums, brokenFile};
}

CTestDisc BuildWithBrokenChain(const CDiscImageBuilder& builder, const CManifest& manifest,
                               const CAcceptanceLayout& layout)
{
    CTestDisc disc{builder.Build(), manifest.Text()};
    // The broken file's chain leaves the disc after its first block.
    disc.image.SetChainLink(layout.partition, layout.volume, layout.brokenFile, 0, 4000);
    return disc;
}

} // namespace

CTestDisc MakeAcceptanceDisc()
{
    CManifest manifest;
    CDiscImageBuilder builder;
    const CAcceptanceLayout layout = AddAcceptanceContent(builder, manifest);
    return BuildWithBrokenChain(builder, manifest, layout);
}

CTestDisc MakeStopDisc()
{
    constexpr std::size_t kLongSampleCount = 4;
    constexpr std::size_t kFramesPerLongSample = 512 * 1024;
    constexpr std::size_t kBlocksPerLongSample = (2 * kFramesPerLongSample + 192 + 8191) / 8192;
    CManifest manifest;
    CDiscImageBuilder builder;
    const CAcceptanceLayout layout = AddAcceptanceContent(builder, manifest);
    const std::size_t c = builder.AddPartition(static_cast<std::uint16_t>(12 + kLongSampleCount * kBlocksPerLongSample));
    manifest.AddFolder("Partition C");
    const std::size_t longs = builder.AddVolume(c, CVolumeDescription("LONGS", EVolumeKind::kS3000));
    manifest.AddFolder("Partition C/LONGS");
    for (std::size_t i = 0; i < kLongSampleCount; ++i) {
        const CSampleSpec sample{"LONG " + std::to_string(i + 1),
                                 MakeSampleData(kFramesPerLongSample, static_cast<std::int32_t>(20 + i)), 2, false, 0, 0};
        builder.AddFile(c, longs, CFileDescription(sample.name, kLongSampleType, MakeSampleFile(sample, kLongSampleType)));
        manifest.AddWave("Partition C/LONGS/" + sample.name + ".wav", 1, sample.data, false, 0, 0);
    }
    return BuildWithBrokenChain(builder, manifest, layout);
}

CDiscImage MakeBenchmarkDisc(std::uint64_t sizeInBytes)
{
    constexpr std::size_t kFramesPerSample = 1024 * 1024;
    constexpr std::size_t kSamplesPerVolume = 25;
    // Header, directory and program blocks, then whole blocks for each sample file.
    constexpr std::size_t kBlocksPerSample = (2 * kFramesPerSample + 192 + 8191) / 8192;
    constexpr std::size_t kOverheadBlocks = 12;
    const std::uint64_t sampleCount = std::max<std::uint64_t>(1, sizeInBytes / (2 * kFramesPerSample));
    CDiscImageBuilder builder;
    std::uint64_t made = 0;
    for (int p = 0; made < sampleCount; ++p) {
        const std::uint64_t samplesHere = std::min<std::uint64_t>(kSamplesPerVolume, sampleCount - made);
        const std::size_t partition =
            builder.AddPartition(static_cast<std::uint16_t>(kOverheadBlocks + samplesHere * kBlocksPerSample));
        const std::size_t volume = builder.AddVolume(partition, CVolumeDescription("BENCH " + std::to_string(p), EVolumeKind::kS3000));
        CProgramSpec program{"BENCH " + std::to_string(p), {}};
        for (std::size_t s = 0; s < kSamplesPerVolume && made < sampleCount; ++s, ++made) {
            const CSampleSpec sample{"S" + std::to_string(p) + " " + std::to_string(s),
                                     MakeSampleData(kFramesPerSample, static_cast<std::int32_t>(made)), 2, false, 0, 0};
            builder.AddFile(partition, volume,
                            CFileDescription(sample.name, kLongSampleType, MakeSampleFile(sample, kLongSampleType)));
            if (program.keyGroups.size() < 99)
                program.keyGroups.push_back({{sample.name, 0}});
        }
        builder.AddFile(partition, volume,
                        CFileDescription(program.name, kLongProgramType, MakeProgramFile(program, kLongProgramType)));
    }
    return builder.Build();
}

void WriteBytesToFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

void WriteTextToFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace NSConversionTestSupport
