#include "framework/foundation/music/MIDIFileReader.h"
#include "framework/foundation/music/MIDIFileWriter.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/music/MIDIFileHeader.h"
#include "framework/foundation/music/TimeSignature.h"
#include "framework/foundation/music/tests/MIDITestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace NSChunkTests;
using namespace NSMusicTests;
using NSTramvell::CMIDIFileHeader;
using NSTramvell::CMIDIFileReader;
using NSTramvell::CMIDIFileWriter;
using NSTramvell::COwnedMemoryMedia;
using NSTramvell::XBadFormat;
using NSTramvell::XBase;

namespace {

CMIDIFileHeader TicksHeader(std::uint16_t format, std::uint16_t tracks, std::uint16_t ticks)
{
    CMIDIFileHeader header;
    header.format = format;
    header.trackCount = tracks;
    header.divisionKind = CMIDIFileHeader::kTicksPerQuarterDivision;
    header.ticksPerQuarter = ticks;
    return header;
}

CMIDIFileHeader SMPTEHeader(std::uint8_t framesPerSecond, std::uint8_t ticksPerFrame)
{
    CMIDIFileHeader header = TicksHeader(0, 1, 0);
    header.divisionKind = CMIDIFileHeader::kSMPTEDivision;
    header.framesPerSecond = framesPerSecond;
    header.ticksPerFrame = ticksPerFrame;
    return header;
}

// The track's bytes after its 8-byte header; the writer's media holds only that track.
TBytes WriteTrack(const std::function<void(CMIDIFileWriter&)>& events, bool runningStatus = true)
{
    COwnedMemoryMedia media;
    CMIDIFileWriter writer(media, runningStatus);
    writer.BeginTrack();
    events(writer);
    writer.EndTrack();
    const TBytes whole = ContentsOf(media);
    EXPECT_EQ(TBytes(whole.begin(), whole.begin() + 4), Text("MTrk"));
    EXPECT_EQ(TBytes(whole.begin() + 4, whole.begin() + 8), BigEndian(static_cast<std::uint32_t>(whole.size() - 8)));
    return TBytes(whole.begin() + 8, whole.end());
}

// A file of one header and the given track contents.
TBytes FileWith(const TBytes& track, std::uint32_t headerLength = 6)
{
    TBytes header = Text("MThd") + BigEndian(headerLength) + TBytes{0, 0, 0, 1, 0, 96};
    header.resize(8 + headerLength);
    return header + Text("MTrk") + BigEndian(static_cast<std::uint32_t>(track.size())) + track;
}

const TBytes kEndOfTrack = {0x00, 0xFF, 0x2F, 0x00};

TEST(MIDIQuantity, EncodesOneToFourBytesAndRefusesMore)
{
    const struct { std::uint32_t value; TBytes bytes; } kCases[] = {
        {0, {0x00}},
        {0x7F, {0x7F}},
        {0x80, {0x81, 0x00}},
        {0x3FFF, {0xFF, 0x7F}},
        {0x4000, {0x81, 0x80, 0x00}},
        {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
        {0x200000, {0x81, 0x80, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        std::uint8_t bytes[4] = {};
        const std::int32_t count = NSTramvell::NSMIDIEncoding::EncodeQuantity(c.value, bytes);
        EXPECT_EQ(TBytes(bytes, bytes + count), c.bytes);
        // The same value as a delta reads back as the event's time.
        COwnedMemoryMedia file = MediaWith(FileWith(WriteTrack([&](CMIDIFileWriter& w) {
            w.WriteMessage(c.value, 0x90, 60, 100);
        })));
        EXPECT_EQ(ReadTracks(file).at(0).at(0).time, c.value);
    }
    std::uint8_t bytes[5] = {};
    EXPECT_THROW(NSTramvell::NSMIDIEncoding::EncodeQuantity(0x10000000, bytes), XBadFormat);
}

TEST(CMIDIFileWriter, RunningStatusLeavesOutARepeatedChannelStatus)
{
    const auto events = [](CMIDIFileWriter& w) {
        w.WriteMessage(0, 0x90, 60, 100);
        w.WriteMessage(10, 0x90, 60, 0);
        w.WriteMessage(10, 0xC1, 5);
        w.WriteTextMeta(20, 0x01, "x"); // clears the running status
        w.WriteMessage(20, 0xC1, 6);
    };
    EXPECT_EQ(WriteTrack(events, true), (TBytes{0x00, 0x90, 60, 100, 0x0A, 60, 0, 0x00, 0xC1, 5, 0x0A, 0xFF, 0x01,
                                                0x01, 'x', 0x00, 0xC1, 6} + kEndOfTrack));
    EXPECT_EQ(WriteTrack(events, false), (TBytes{0x00, 0x90, 60, 100, 0x0A, 0x90, 60, 0, 0x00, 0xC1, 5, 0x0A, 0xFF,
                                                 0x01, 0x01, 'x', 0x00, 0xC1, 6} + kEndOfTrack));
}

TEST(CMIDIFileWriter, WritesSysExTempoSignatureAndASingleEndOfTrack)
{
    std::uint8_t message[NSTramvell::NSMIDIEncoding::kValuePairLength];
    NSTramvell::NSMIDIEncoding::MakeValuePairSysEx(0x12, 0x34, message);
    const TBytes track = WriteTrack([&](CMIDIFileWriter& w) {
        w.WriteMessage(0, 0x90, 60, 100);
        w.WriteSysEx(0, message, sizeof message);
        w.WriteMessage(0, 0x90, 62, 100); // status sent again after the sysex
        w.WriteTempo(5, 500000);
        w.WriteTimeSignature(5, NSTramvell::CTimeSignature(6, 8));
        w.WriteEndOfTrack(7);
    });
    EXPECT_EQ(track, (TBytes{0x00, 0x90, 60, 100, 0x00, 0xF0, 0x05, 0x00, 0x00, 0x66, 0x12, 0x34, 0x00, 0x90, 62,
                             100, 0x05, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x58, 0x04, 6, 3, 24, 8,
                             0x02, 0xFF, 0x2F, 0x00}));

    COwnedMemoryMedia file = MediaWith(FileWith(track));
    const TTrack read = ReadTracks(file).at(0);
    EXPECT_EQ(read.at(1), SysEx(0, {0x00, 0x00, 0x66, 0x12, 0x34}));
    EXPECT_EQ(read.at(3), Tempo(5, 120000));
    EXPECT_EQ(read.at(4), Signature(5, 6, 3));
    EXPECT_TRUE(NSTramvell::NSMIDIEncoding::IsValuePairSysEx(message, sizeof message));
    message[3] = 0x67;
    EXPECT_FALSE(NSTramvell::NSMIDIEncoding::IsValuePairSysEx(message, sizeof message));
}

TEST(CMIDIFileWriter, RefusesEventsAFileCannotHoldBeforeWritingAnyByte)
{
    const std::uint8_t notSysEx[] = {0x90, 1, 2};
    const struct { const char* what; std::function<void(CMIDIFileWriter&)> event; bool badFormat; } kCases[] = {
        {"earlier than the last event", [](CMIDIFileWriter& w) { w.WriteMessage(99, 0x90, 1, 2); }, false},
        {"a delta above 0x0FFFFFFF", [](CMIDIFileWriter& w) { w.WriteMessage(100 + 0x10000000, 0x90, 1, 2); }, true},
        {"a data byte with bit 7", [](CMIDIFileWriter& w) { w.WriteMessage(100, 0x90, 0x80, 2); }, false},
        {"a status that is no channel status", [](CMIDIFileWriter& w) { w.WriteMessage(100, 0xF2, 1, 2); }, false},
        {"a program change with two bytes", [](CMIDIFileWriter& w) { w.WriteMessage(100, 0xC0, 1, 2); }, false},
        {"a note with one byte", [](CMIDIFileWriter& w) { w.WriteMessage(100, 0x80, 1); }, false},
        {"a sysex without F0", [&](CMIDIFileWriter& w) { w.WriteSysEx(100, notSysEx, 3); }, false},
        {"a tempo beyond three bytes", [](CMIDIFileWriter& w) { w.WriteTempo(100, 0x1000000); }, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        COwnedMemoryMedia media;
        CMIDIFileWriter writer(media);
        writer.BeginTrack();
        writer.WriteMessage(100, 0x90, 1, 2);
        const std::int32_t size = media.GetSize();
        if (c.badFormat)
            EXPECT_THROW(c.event(writer), XBadFormat);
        else
            EXPECT_THROW(c.event(writer), XBase);
        EXPECT_EQ(media.GetSize(), size);
        writer.WriteMessage(100, 0x90, 1, 3); // the writer goes on from the last good event, status and time
        EXPECT_EQ(media.GetSize(), size + 3);
    }
}

TEST(CMIDIFileHeader, DivisionAndValidity)
{
    const TBytes stored = {0x00, 0x01, 0x00, 0x02, 0xE7, 0x28};
    const CMIDIFileHeader smpte = CMIDIFileHeader::Decode(stored.data());
    EXPECT_EQ(smpte.divisionKind, CMIDIFileHeader::kSMPTEDivision);
    EXPECT_EQ(smpte.framesPerSecond, 25);
    EXPECT_EQ(smpte.ticksPerFrame, 40);
    EXPECT_TRUE(smpte.IsValid());
    std::uint8_t encoded[6] = {};
    smpte.Encode(encoded);
    EXPECT_EQ(TBytes(encoded, encoded + 6), stored);

    const struct { const char* what; CMIDIFileHeader header; bool valid; } kCases[] = {
        {"format 1, 480 ticks", TicksHeader(1, 2, 480), true},
        {"format 2", TicksHeader(2, 1, 1), true},
        {"format 3", TicksHeader(3, 1, 480), false},
        {"no tracks", TicksHeader(0, 0, 480), false},
        {"no ticks", TicksHeader(0, 1, 0), false},
        {"ticks with bit 15", TicksHeader(0, 1, 0x8000), false},
        {"SMPTE 29", SMPTEHeader(29, 4), true},
        {"SMPTE 26", SMPTEHeader(26, 4), false},
        {"SMPTE without ticks", SMPTEHeader(30, 0), false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.header.IsValid(), c.valid);
        COwnedMemoryMedia media;
        CMIDIFileWriter writer(media);
        if (!c.valid) {
            EXPECT_THROW(writer.WriteHeader(c.header), XBase);
            EXPECT_EQ(media.GetSize(), 0);
            continue;
        }
        writer.WriteHeader(c.header);
        EXPECT_TRUE(CMIDIFileReader::IsMIDIMedia(media));
        CMIDIFileHeader read = CMIDIFileReader(media).ReadHeader();
        std::uint8_t written[6];
        std::uint8_t back[6];
        c.header.Encode(written);
        read.Encode(back);
        EXPECT_EQ(TBytes(back, back + 6), TBytes(written, written + 6));
    }
}

TEST(CMIDIFileReader, RecognisesOnlyWholeValidHeaders)
{
    const TBytes valid = FileWith(kEndOfTrack);
    COwnedMemoryMedia whole = MediaWith(valid);
    whole.SetPosition(20);
    EXPECT_TRUE(CMIDIFileReader::IsMIDIMedia(whole));
    EXPECT_EQ(whole.GetPosition(), 20);
    COwnedMemoryMedia short13 = MediaWith(TBytes(valid.begin(), valid.begin() + 13));
    EXPECT_FALSE(CMIDIFileReader::IsMIDIMedia(short13));
    TBytes noTracks = valid;
    noTracks[11] = 0;
    COwnedMemoryMedia empty = MediaWith(noTracks);
    EXPECT_FALSE(CMIDIFileReader::IsMIDIMedia(empty));
    COwnedMemoryMedia riff = MediaWith(Text("RIFF") + valid);
    EXPECT_FALSE(CMIDIFileReader::IsMIDIMedia(riff));
}

TEST(CMIDIFileReader, SkipsLongerHeadersAndForeignChunks)
{
    // The second note in running status, after a sequencer-specific event that is skipped.
    const TBytes track = {0x00, 0x90, 60, 100, 0x00, 0xFF, 0x7F, 0x02, 0x7D, 0x01, 0x60, 60, 0};
    TBytes bytes = FileWith(track + kEndOfTrack, 10);
    bytes.insert(bytes.begin() + 18, {'X', 'y', 'z', 'w', 0, 0, 0, 3, 1, 2, 3});
    bytes = bytes + Text("MTrk") + BigEndian(4) + kEndOfTrack;
    COwnedMemoryMedia media = MediaWith(bytes);
    const std::vector<TTrack> tracks = ReadTracks(media);
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_EQ(tracks[0], (TTrack{Channel(0, 0x90, {60, 100}), Meta(0, 0x7F, ""), Channel(96, 0x90, {60, 0}),
                                 EndOfTrack(96)}));
    EXPECT_EQ(tracks[1], (TTrack{EndOfTrack(0)})); // time starts again in each track
}

TEST(CMIDIFileReader, DamagedFilesThrowBadFormat)
{
    const TBytes tempo0 = {0x00, 0xFF, 0x51, 0x03, 0x00, 0x00, 0x00};
    const TBytes tempo5999 = {0x00, 0xFF, 0x51, 0x03, 0x00, 0x17, 0x6F};
    const TBytes signature = {0x00, 0xFF, 0x58, 0x04, 4, 2, 24, 8};
    const auto withSignature = [&](std::uint8_t numerator, std::uint8_t exponent) {
        TBytes damaged = signature;
        damaged[4] = numerator;
        damaged[5] = exponent;
        return FileWith(damaged + kEndOfTrack);
    };
    TBytes shortHeader = FileWith(kEndOfTrack);
    shortHeader[7] = 4;
    TBytes trackPastEnd = FileWith(kEndOfTrack);
    trackPastEnd[21] = 5;
    const struct { const char* what; TBytes file; } kCases[] = {
        {"MThd of length 4", shortHeader},
        {"no MThd", Text("MTrk") + BigEndian(6) + Zeros(6)},
        {"a track past the media's end", trackPastEnd},
        {"a chunk header cut short", FileWith(kEndOfTrack) + Text("MTr")},
        {"a meta length past the track", FileWith({0x00, 0xFF, 0x01, 0x05, 'a', 'b'})},
        {"a sysex length past the track", FileWith({0x00, 0xF0, 0x81, 0x00, 0xF7})},
        {"a five-byte quantity", FileWith(TBytes{0x80, 0x80, 0x80, 0x80, 0x00, 0x90, 1, 2} + kEndOfTrack)},
        {"a channel message cut by the track's end", FileWith({0x00, 0x90, 60})},
        {"no end of track", FileWith({0x00, 0x90, 60, 100})},
        {"a data byte with no running status", FileWith(TBytes{0x00, 60, 100} + kEndOfTrack)},
        {"tempo 0", FileWith(tempo0 + kEndOfTrack)},
        {"tempo 5999 µs", FileWith(tempo5999 + kEndOfTrack)},
        {"exponent 6", withSignature(4, 6)},
        {"exponent 255", withSignature(4, 255)},
        {"numerator 0", withSignature(0, 2)},
        {"numerator 33", withSignature(33, 2)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        COwnedMemoryMedia media = MediaWith(c.file);
        EXPECT_THROW(ReadTracks(media), XBadFormat);
    }
    // The bounds of the good neighbours hold.
    const TBytes tempo6000 = {0x00, 0xFF, 0x51, 0x03, 0x00, 0x17, 0x70};
    COwnedMemoryMedia fastest = MediaWith(FileWith(tempo6000 + kEndOfTrack));
    EXPECT_EQ(ReadTracks(fastest).at(0).at(0), Tempo(0, 10000000));
    COwnedMemoryMedia widest = MediaWith(withSignature(32, 5));
    EXPECT_EQ(ReadTracks(widest).at(0).at(0), Signature(0, 32, 5));
}

} // namespace
