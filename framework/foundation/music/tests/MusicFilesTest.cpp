// Files exchanged with readers and writers outside the framework. CTest runs check_music_files.py
// before these tests, to make MIDI files with csvmidi from a CSV of its own, and after them, to check
// the files these tests leave with mido, midicsv, file, a walker of the bank's records and fluidsynth.
// The folder comes in DRAVIM_MUSIC_FILES.

#include "framework/foundation/music/MIDIFileHeader.h"
#include "framework/foundation/music/MIDIFileWriter.h"
#include "framework/foundation/music/SoundFontFileWriter.h"
#include "framework/foundation/music/TimeSignature.h"
#include "framework/foundation/music/tests/MIDITestSupport.h"

#include "framework/foundation/chunks/RIFF.h"
#include "framework/foundation/core/ByteOrder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace NSChunkTests;
using namespace NSMusicTests;
using NSTramvell::CIFFChunkInfo;
using NSTramvell::COwnedMemoryMedia;

namespace {

std::string FilePath(const std::string& name)
{
    const char* folder = std::getenv("DRAVIM_MUSIC_FILES");
    if (folder == nullptr || *folder == '\0')
        ADD_FAILURE() << "DRAVIM_MUSIC_FILES names no folder; run these tests through CTest";
    return std::string(folder != nullptr ? folder : ".") + "/" + name;
}

void Save(const std::string& name, const COwnedMemoryMedia& media)
{
    std::ofstream file(FilePath(name), std::ios::binary);
    file.write(reinterpret_cast<const char*>(media.GetBuffer()), media.GetSize());
    ASSERT_TRUE(file.good()) << name;
}

TBytes Load(const std::string& name)
{
    std::ifstream file(FilePath(name), std::ios::binary);
    EXPECT_TRUE(file.good()) << "missing " << name;
    return TBytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The song check_music_files.py expects: a tempo track and a note track at 480 ticks per quarter.
const std::vector<TTrack> kSong = {
    {Signature(0, 3, 2), Tempo(0, 120000), Tempo(1920, 150000), EndOfTrack(1920)},
    {Meta(0, 0x03, "Dravim notes"), Channel(0, 0xC0, {0}), Channel(0, 0x90, {60, 100}),
     Channel(0, 0x90, {64, 90}), Channel(480, 0x90, {60, 0}), Channel(480, 0x90, {64, 0}),
     SysEx(960, {0x00, 0x00, 0x66, 0x01, 0x02}), Channel(960, 0x90, {67, 80}), Channel(1000, 0xE0, {0x00, 0x50}),
     Meta(1440, 0x01, "marker text"), Channel(1920, 0x80, {67, 64}), EndOfTrack(1920)},
};

void WriteSong(COwnedMemoryMedia& media)
{
    NSTramvell::CMIDIFileWriter writer(media);
    NSTramvell::CMIDIFileHeader header;
    header.format = 1;
    header.trackCount = 2;
    header.ticksPerQuarter = 480;
    writer.WriteHeader(header);

    writer.BeginTrack();
    writer.WriteTimeSignature(0, NSTramvell::CTimeSignature(3, 4));
    writer.WriteTempo(0, 500000);
    writer.WriteTempo(1920, 400000);
    writer.EndTrack();

    writer.BeginTrack();
    writer.WriteTextMeta(0, 0x03, "Dravim notes");
    writer.WriteMessage(0, 0xC0, 0);
    writer.WriteMessage(0, 0x90, 60, 100);
    writer.WriteMessage(0, 0x90, 64, 90); // running status from here
    writer.WriteMessage(480, 0x90, 60, 0);
    writer.WriteMessage(480, 0x90, 64, 0);
    std::uint8_t pair[NSTramvell::NSMIDIEncoding::kValuePairLength];
    NSTramvell::NSMIDIEncoding::MakeValuePairSysEx(1, 2, pair);
    writer.WriteSysEx(960, pair, sizeof pair);
    writer.WriteMessage(960, 0x90, 67, 80);
    writer.WriteMessage(1000, 0xE0, 0x00, 0x50);
    writer.WriteTextMeta(1440, 0x01, "marker text");
    writer.WriteMessage(1920, 0x80, 67, 64);
    writer.EndTrack();
}

TEST(MusicFiles, WritesASongThatOtherReadersParse)
{
    COwnedMemoryMedia media;
    WriteSong(media);
    Save("ours-song.mid", media);
    NSTramvell::CMIDIFileHeader header;
    EXPECT_EQ(ReadTracks(media, &header), kSong);
    EXPECT_EQ(header.trackCount, 2);
}

TEST(MusicFiles, ReadsTheSongsAnotherWriterMade)
{
    // csvmidi wrote the same song from check_music_files.py's CSV, once compressed with running status.
    const TBytes running = Load("theirs-running.mid");
    const TBytes plain = Load("theirs-plain.mid");
    EXPECT_LT(running.size(), plain.size());
    for (const TBytes* file : {&running, &plain}) {
        COwnedMemoryMedia media = MediaWith(*file);
        EXPECT_EQ(ReadTracks(media), kSong);
    }
}

constexpr std::uint32_t kSampleLength = 22050;
constexpr std::uint32_t kGuardPoints = 46; // zero points after each sample, as banks require

TBytes SineSamples(double frequency)
{
    TBytes points((kSampleLength + kGuardPoints) * 2, 0);
    for (std::uint32_t i = 0; i < kSampleLength; ++i) {
        const auto value = static_cast<std::int16_t>(12000 * std::sin(2 * 3.14159265358979 * frequency * i / 44100));
        NSTramvell::WriteLittleEndian16(points.data() + 2 * i, static_cast<std::uint16_t>(value));
    }
    return points;
}

NSTramvell::CSoundFontSampleParams SineSample(const char* name, std::int32_t type, std::uint32_t start)
{
    NSTramvell::CSoundFontSampleParams sample;
    sample.name = name;
    sample.start = start;
    sample.end = start + kSampleLength;
    sample.sampleRate = 44100;
    sample.rootKey = 57;
    sample.topKey = 96;
    sample.sampleType = type;
    return sample;
}

TEST(MusicFiles, WritesABankThatOtherReadersLoad)
{
    COwnedMemoryMedia media;
    NSTramvell::CSoundFontFileWriter writer(media);
    CIFFChunkInfo bank;
    writer.BeginChunk(bank, "RIFF"); // a plain chunk to the writer: it counts the type as data
    media.Write(4, "sfbk");
    writer.WriteInfoList("Dravim sines", "December 2026", "", "", "", "two sines");

    CIFFChunkInfo sampleData;
    writer.BeginLISTChunk(sampleData, "sdta");
    const TBytes points = SineSamples(440) + SineSamples(660);
    writer.WriteChunk("smpl", static_cast<std::int32_t>(points.size()), points.data());
    writer.EndChunk(sampleData);

    NSTramvell::CSoundFontSampleParamList samples;
    samples.Append(SineSample("sine 440", NSTramvell::CSoundFontSampleParams::kLeftSample, 0));
    samples.Append(
        SineSample("sine 660", NSTramvell::CSoundFontSampleParams::kRightSample, kSampleLength + kGuardPoints));
    writer.WritePresetData("Dravim sines", samples);
    writer.EndChunk(bank);
    Save("ours-bank.sf2", media);

    // The group reads back as a RIFF group of type sfbk holding the three lists.
    NSTramvell::CRIFFReader2 reader(media);
    CIFFChunkInfo group;
    ASSERT_TRUE(reader.ReadFirstChunk(group));
    EXPECT_EQ(group.GetKind(), CIFFChunkInfo::kFORMGroup);
    EXPECT_TRUE(group.HasName("sfbk"));
    EXPECT_EQ(group.GetTotalLength(), media.GetSize());
    NSTramvell::CRIFFReader2 lists(reader, group);
    std::vector<std::string> types;
    CIFFChunkInfo list;
    for (bool found = lists.ReadFirstChunk(list); found; found = lists.ReadNextChunk(list, list))
        types.push_back(list.GetName());
    EXPECT_EQ(types, (std::vector<std::string>{"INFO", "sdta", "pdta"}));
}

} // namespace
