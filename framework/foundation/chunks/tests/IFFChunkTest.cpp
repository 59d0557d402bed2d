#include "framework/foundation/chunks/IFFChunk.h"
#include "framework/foundation/chunks/RIFF.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/chunks/tests/ChunkTestSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace NSChunkTests;
using NSTramvell::CIFFReader;
using NSTramvell::CIFFWriter;
using NSTramvell::COwnedMemoryMedia;
using NSTramvell::RIFF_READER;
using NSTramvell::RIFF_WRITER;

namespace {

const TBytes kFormat = Pattern(16, 1);

// RIFF "WAVE" { "fmt " 16 bytes, "data" 3 bytes + pad }
TBytes SmallWave()
{
    return Text("RIFF") + LittleEndian(40) + Text("WAVE") + Text("fmt ") + LittleEndian(16) + kFormat +
           Text("data") + LittleEndian(3) + Text("abc") + Zeros(1);
}

TBytes RiffHeader(std::uint32_t size)
{
    return Text("RIFF") + LittleEndian(size) + Text("WAVE");
}

} // namespace

TEST(RIFF_WRITER, EmptyDataChunk)
{
    COwnedMemoryMedia media;
    RIFF_WRITER writer(media);
    writer.BeginChunk("data");
    writer.EndChunk();
    EXPECT_EQ(ContentsOf(media), (TBytes{0x64, 0x61, 0x74, 0x61, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(&writer.GetMedia(), &media);
}

TEST(RIFF_WRITER, WaveWithPaddedData)
{
    COwnedMemoryMedia media;
    RIFF_WRITER writer(media);
    writer.BeginFORM("RIFF", "WAVE");
    writer.WriteChunk("fmt ", kFormat.data(), 16);
    writer.BeginChunk("data");
    writer.Write(3, "abc");
    writer.EndChunk();
    writer.EndFORM();
    EXPECT_EQ(ContentsOf(media), SmallWave());
}

TEST(CIFFWriter, BigEndianAndPaddingSettings)
{
    const struct
    {
        bool padding;
        TBytes bytes;
    } kCases[] = {
        {true, Text("FORM") + BigEndian(14) + Text("AIFF") + Text("COMT") + BigEndian(1) + Text("c") + Zeros(1)},
        {false, Text("FORM") + BigEndian(13) + Text("AIFF") + Text("COMT") + BigEndian(1) + Text("c")},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.padding);
        COwnedMemoryMedia media;
        CIFFWriter writer(media);
        if (!c.padding)
            writer.DisablePadding();
        writer.BeginFORM("FORM", "AIFF");
        writer.WriteChunk("COMT", "c", 1);
        writer.EndFORM();
        EXPECT_EQ(ContentsOf(media), c.bytes);
    }
}

TEST(CIFFWriter, OpenHeadersHoldTheMarkerSize)
{
    COwnedMemoryMedia media;
    CIFFWriter writer(media);
    writer.BeginFORM("FORM", "TEST");
    writer.BeginChunk("DATA");
    EXPECT_EQ(ContentsOf(media), Text("FORM") + BigEndian(0xADDE1AB0u) + Text("TEST") + Text("DATA") +
                                     BigEndian(0xADDE1AB0u));
}

TEST(CIFFWriter, ClosingWithNothingOpenThrowsAndChangesNothing)
{
    COwnedMemoryMedia media;
    RIFF_WRITER writer(media);
    EXPECT_THROW(writer.EndChunk(), NSTramvell::XBase);
    EXPECT_THROW(writer.EndFORM(), NSTramvell::XBase);
    writer.BeginChunk("data");
    writer.EndChunk();
    EXPECT_THROW(writer.EndChunk(), NSTramvell::XBase); // closed once only
    EXPECT_EQ(ContentsOf(media), Text("data") + LittleEndian(0));
    EXPECT_EQ(media.GetPosition(), 8);
}

TEST(CIFFWriter, ShortIdentifiersThrowBeforeWriting)
{
    COwnedMemoryMedia media;
    RIFF_WRITER writer(media);
    EXPECT_THROW(writer.BeginFORM("RIF", "WAVE"), NSTramvell::XBase);
    EXPECT_THROW(writer.BeginFORM("RIFF", "WAV"), NSTramvell::XBase);
    EXPECT_THROW(writer.BeginChunk(""), NSTramvell::XBase);
    EXPECT_THROW(writer.WriteChunk("fmt", "x", 1), NSTramvell::XBase);
    EXPECT_EQ(media.GetSize(), 0);
    EXPECT_THROW(writer.EndChunk(), NSTramvell::XBase); // nothing was opened
}

TEST(RIFF_READER, FindsChunksAndReadsTheirBytes)
{
    COwnedMemoryMedia media = MediaWith(SmallWave());
    RIFF_READER reader(media);
    std::int32_t size = -1;
    ASSERT_TRUE(reader.FindChunk("data", size));
    EXPECT_EQ(size, 3);
    EXPECT_EQ(media.GetPosition(), 44);
    ASSERT_TRUE(reader.FindChunk("fmt ", size));
    EXPECT_EQ(size, 16);
    EXPECT_EQ(media.GetPosition(), 20);
    EXPECT_FALSE(reader.FindChunk("fact", size));
    EXPECT_FALSE(reader.FindChunk("WAVE", size)); // the group's type is no chunk
    EXPECT_FALSE(reader.FindChunk("fmt", size));  // short identifiers never match
    EXPECT_EQ(size, 16);
    EXPECT_EQ(&reader.GetMedia(), &media);

    TBytes format(16);
    ASSERT_TRUE(reader.ReadChunk("fmt ", format.data(), 16));
    EXPECT_EQ(format, kFormat);
    char two[3] = {};
    std::int32_t dataSize = 0;
    ASSERT_TRUE(reader.ReadChunk("data", two, 1, 2, dataSize));
    EXPECT_STREQ(two, "bc");
    EXPECT_EQ(dataSize, 3);
}

TEST(RIFF_READER, ReadChunkLeavesTheBufferAloneWhenItCannotReadAll)
{
    COwnedMemoryMedia media = MediaWith(SmallWave());
    RIFF_READER reader(media);
    const struct
    {
        const char* id;
        std::int32_t skip;
        std::int32_t length;
        std::int32_t size; // given back; -1: untouched
    } kCases[] = {{"fact", 0, 1, -1}, {"data", 0, 4, 3}, {"data", 1, 3, 3}, {"data", 4, 0, 3}, {"fmt ", 0, 18, 16}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.id) + " " + std::to_string(c.skip) + " " + std::to_string(c.length));
        TBytes buffer(32, 0xEE);
        std::int32_t size = -1;
        EXPECT_FALSE(reader.ReadChunk(c.id, buffer.data(), c.skip, c.length, size));
        EXPECT_EQ(buffer, TBytes(32, 0xEE));
        EXPECT_EQ(size, c.size);
    }
}

TEST(RIFF_READER, MalformedFilesAreBadFormat)
{
    const TBytes fmt = Text("fmt ") + LittleEndian(16) + kFormat;
    const struct
    {
        const char* what;
        TBytes bytes;
    } kCases[] = {
        {"no RIFF", Text("RIFX") + LittleEndian(28) + Text("WAVE") + fmt},
        {"FORM instead of RIFF", Text("FORM") + LittleEndian(28) + Text("WAVE") + fmt},
        {"RIFF size 3", Text("RIFF") + LittleEndian(3) + Text("WAVE") + fmt},
        {"RIFF size 0", Text("RIFF") + LittleEndian(0) + Text("WAVE") + fmt},
        {"shorter than a group header", Text("RIFF") + LittleEndian(4) + Text("WAV")},
        {"chunk size -8", RiffHeader(36) + Text("junk") + LittleEndian(0xFFFFFFF8u) + fmt},
        {"chunk size -9", RiffHeader(36) + Text("junk") + LittleEndian(0xFFFFFFF7u) + fmt},
        {"chunk size past the end", RiffHeader(36) + Text("junk") + LittleEndian(25) + fmt},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        COwnedMemoryMedia media = MediaWith(c.bytes);
        RIFF_READER reader(media);
        std::int32_t size = 0;
        EXPECT_THROW(reader.FindChunk("data", size), NSTramvell::XBadFormat);
    }
}

TEST(RIFF_READER, SearchStopsWhereNoHeaderFits)
{
    const TBytes emptyData = Text("data") + LittleEndian(0);
    const struct
    {
        const char* what;
        TBytes bytes;
        bool found;
    } kCases[] = {
        {"group of type only", RiffHeader(4), false},
        {"empty chunk ending at the group end", RiffHeader(12) + emptyData, true},
        {"chunk past the group end", RiffHeader(12) + Text("LIST") + LittleEndian(0) + emptyData, false},
        {"group size past the media end", RiffHeader(1000) + emptyData, true},
        {"group size 0xFFFFFFFF", RiffHeader(0xFFFFFFFFu) + emptyData, true},
        {"header cut by the media end", RiffHeader(40) + Text("da"), false},
        {"pad missing at the end", RiffHeader(40) + Text("odd ") + LittleEndian(1) + Text("x") + emptyData, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        COwnedMemoryMedia media = MediaWith(c.bytes);
        RIFF_READER reader(media);
        std::int32_t size = -1;
        EXPECT_EQ(reader.FindChunk("data", size), c.found);
        EXPECT_EQ(size, c.found ? 0 : -1);
    }
}

TEST(CIFFReader, BigEndianGroupsWithAndWithoutPadding)
{
    const TBytes padded = Text("FORM") + BigEndian(24) + Text("AIFF") + Text("COMT") + BigEndian(1) + Text("c") +
                          Zeros(1) + Text("SSND") + BigEndian(2) + Text("ss");
    COwnedMemoryMedia media = MediaWith(padded);
    CIFFReader reader(media, "FORM");
    std::int32_t size = 0;
    ASSERT_TRUE(reader.FindChunk("SSND", size));
    EXPECT_EQ(size, 2);

    // Unpadded, the same bytes put the next header one byte early.
    reader.DisablePadding();
    EXPECT_THROW(reader.FindChunk("SSND", size), NSTramvell::XBadFormat);

    RIFF_READER riff(media);
    EXPECT_THROW(riff.FindChunk("SSND", size), NSTramvell::XBadFormat);
}
