#include "framework/foundation/chunks/IFFReader2.h"
#include "framework/foundation/chunks/IFFWriter2.h"
#include "framework/foundation/chunks/RIFF.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/chunks/tests/ChunkTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSChunkTests;
using NSTramvell::CIFFChunkInfo;
using NSTramvell::CIFFReader2;
using NSTramvell::CIFFWriter2;
using NSTramvell::COwnedMemoryMedia;
using NSTramvell::CRIFFReader2;

namespace {

std::string Names(CIFFReader2& reader)
{
    std::string names;
    CIFFChunkInfo chunk;
    for (bool found = reader.ReadFirstChunk(chunk); found; found = reader.ReadNextChunk(chunk, chunk))
        names += std::string(chunk.GetName()) + "/" + std::to_string(chunk.GetKind()) + " ";
    return names;
}

} // namespace

TEST(CIFFChunkInfo, DefaultIsNoChunk)
{
    const CIFFChunkInfo info;
    EXPECT_EQ(info.GetKind(), CIFFChunkInfo::kNone);
    EXPECT_STREQ(info.GetName(), "");
    EXPECT_STREQ(info.GetGroupIdentifier(), "");
    EXPECT_EQ(info.GetOffset(), 0);
    EXPECT_EQ(info.GetSize(), 0);
    EXPECT_THROW(info.GetHeaderLength(), NSTramvell::XBase);
}

TEST(CIFFChunkInfo, DerivedLengthsFollowTheKind)
{
    const struct
    {
        std::int32_t kind;
        std::int32_t headerLength; // 0: XBase
        std::int32_t dataSize;
    } kCases[] = {{-1, 0, 6}, {0, 8, 10}, {1, 12, 6}, {2, 12, 6}, {3, 12, 6}, {4, 12, 6}, {5, 0, 6}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.kind);
        const CIFFChunkInfo info(c.kind, "ABCD", 2, 10);
        if (c.headerLength == 0)
            EXPECT_THROW(info.GetHeaderLength(), NSTramvell::XBase);
        else
            EXPECT_EQ(info.GetHeaderLength(), c.headerLength);
        EXPECT_EQ(info.GetDataSize(), c.dataSize);
        EXPECT_EQ(info.GetTotalLength(), 18);
    }
    EXPECT_EQ(CIFFChunkInfo(0, "ABCD", 0, INT32_MAX).GetTotalLength(), std::int64_t{INT32_MAX} + 8);
}

TEST(CIFFChunkInfo, NameComparisonIsWholeText)
{
    const CIFFChunkInfo info(0, "ABCDE", 0, 0);
    EXPECT_STREQ(info.GetName(), "ABCD");
    EXPECT_TRUE(info.HasName("ABCD"));
    EXPECT_FALSE(info.HasName("ABC"));
    EXPECT_FALSE(info.HasName("ABCDE"));
    EXPECT_FALSE(info.HasName("abcd"));
    EXPECT_FALSE(info.IsNamedGroup(""));
}

TEST(IsValidChunkIdentifier, AcceptsPrintableTextNotStartingWithASpace)
{
    const struct
    {
        TBytes identifier;
        bool valid;
    } kCases[] = {{Text("FORM"), true}, {Text("AB  "), true}, {Text("A~!}"), true}, {Text(" ABC"), false},
                  {Text("    "), false}, {{'A', 'B', 'C', 0x7F}, false}, {{'A', 0x80, 'C', 'D'}, false},
                  {{'A', 'B', 'C', 0x1F}, false}, {{'A', 'B', 'C', 0}, false}, {{0xFF, 'B', 'C', 'D'}, false}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.identifier.begin(), c.identifier.end()));
        EXPECT_EQ(NSTramvell::IsValidChunkIdentifier(c.identifier.data()), c.valid);
    }
}

TEST(CIFFWriter2, EmptyGroupHasSizeFour)
{
    const struct
    {
        int byteOrder;
        TBytes size;
    } kCases[] = {{0, {0, 0, 0, 4}}, {1, {4, 0, 0, 0}}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.byteOrder);
        COwnedMemoryMedia media;
        CIFFWriter2 writer(media, c.byteOrder);
        CIFFChunkInfo form;
        writer.BeginFORMChunk(form, "TEST");
        writer.EndChunk(form);
        EXPECT_EQ(ContentsOf(media), Text("FORM") + c.size + Text("TEST"));
        EXPECT_EQ(form.GetKind(), CIFFChunkInfo::kFORMGroup);
        EXPECT_STREQ(form.GetName(), "TEST");
        EXPECT_EQ(form.GetSize(), 0); // EndChunk leaves the caller's info alone
    }
}

TEST(CIFFWriter2, OddChunkGetsPadAndNextHeaderFollowsIt)
{
    COwnedMemoryMedia media;
    CIFFWriter2 writer(media, 0);
    writer.WriteChunk("ABCD", 3, "xyz");
    writer.WriteChunk("EFGH", 2, "uv");
    EXPECT_EQ(ContentsOf(media), Text("ABCD") + BigEndian(3) + Text("xyz") + Zeros(1) + Text("EFGH") +
                                     BigEndian(2) + Text("uv"));

    CIFFReader2 reader(media, 0);
    CIFFChunkInfo first;
    CIFFChunkInfo second;
    ASSERT_TRUE(reader.ReadFirstChunk(first));
    ASSERT_TRUE(reader.ReadNextChunk(first, second));
    EXPECT_EQ(second.GetOffset(), 12);
    EXPECT_STREQ(second.GetName(), "EFGH");
    EXPECT_EQ(second.GetSize(), 2);
    EXPECT_FALSE(reader.ReadNextChunk(second, second));
}

TEST(CIFFWriter2, NestedWriterPatchesEachLevelFromItsWindow)
{
    COwnedMemoryMedia media;
    CIFFWriter2 writer(media, 0);
    CIFFChunkInfo form;
    writer.BeginFORMChunk(form, "TEST");
    {
        CIFFWriter2 inside(writer, form);
        CIFFChunkInfo list;
        inside.BeginLISTChunk(list, "INFO");
        {
            CIFFWriter2 deeper(inside, list);
            deeper.WriteChunk("NAME", 1, "n");
        }
        inside.EndChunk(list);
        CIFFChunkInfo data;
        inside.BeginChunk(data, "DATA");
        {
            const auto contents = inside.GetChunkMedia(data);
            contents->Write(5, "12345");
        }
        inside.EndChunk(data);
    }
    writer.EndChunk(form);
    const TBytes list = Text("LIST") + BigEndian(14) + Text("INFO") + Text("NAME") + BigEndian(1) + Text("n") +
                        Zeros(1);
    const TBytes data = Text("DATA") + BigEndian(5) + Text("12345") + Zeros(1);
    EXPECT_EQ(ContentsOf(media), Text("FORM") + BigEndian(4 + 22 + 14) + Text("TEST") + list + data);
}

TEST(CIFFWriter2, RefusesShortIdentifiersBeforeWriting)
{
    COwnedMemoryMedia media;
    CIFFWriter2 writer(media, 0);
    CIFFChunkInfo info;
    EXPECT_THROW(writer.BeginChunk(info, "ABC"), NSTramvell::XBase);
    EXPECT_THROW(writer.BeginFORMChunk(info, ""), NSTramvell::XBase);
    EXPECT_THROW(writer.BeginCATChunk(info, "AB"), NSTramvell::XBase);
    EXPECT_THROW(writer.BeginLISTChunk(info, nullptr), NSTramvell::XBase);
    EXPECT_THROW(writer.WriteChunk("A", 1, "x"), NSTramvell::XBase);
    EXPECT_EQ(media.GetSize(), 0);
    EXPECT_EQ(info.GetKind(), CIFFChunkInfo::kNone);
}

TEST(CIFFReaderWriter2, OnlyByteOrdersZeroAndOneExist)
{
    COwnedMemoryMedia media;
    for (const int byteOrder : {-1, 2, 256}) {
        SCOPED_TRACE(byteOrder);
        EXPECT_THROW(CIFFReader2(media, byteOrder), NSTramvell::XBase);
        EXPECT_THROW(CIFFWriter2(media, byteOrder), NSTramvell::XBase);
        EXPECT_FALSE(CIFFReader2::IsIFFMedia(media, byteOrder));
    }
}

TEST(CIFFReader2, MalformedHeadersAreBadFormat)
{
    const TBytes body = Text("abcdefgh");
    const struct
    {
        const char* what;
        int byteOrder;
        TBytes bytes;
    } kCases[] = {
        {"identifier with leading space", 0, Text(" ABC") + BigEndian(0)},
        {"identifier with 0x7F", 0, TBytes{'A', 'B', 'C', 0x7F} + BigEndian(0)},
        {"identifier with 0x80", 0, TBytes{'A', 0x80, 'C', 'D'} + BigEndian(0)},
        {"size past the end", 0, Text("ABCD") + BigEndian(9) + body},
        {"size 0x80000000", 0, Text("ABCD") + BigEndian(0x80000000u) + body},
        {"RIFF size 0x80000000", 1, Text("ABCD") + LittleEndian(0x80000000u) + body},
        {"size -1", 1, Text("ABCD") + LittleEndian(0xFFFFFFFFu) + body},
        {"group size 0", 0, Text("FORM") + BigEndian(0) + body},
        {"group size 3", 0, Text("LIST") + BigEndian(3) + body},
        {"group type with leading space", 0, Text("CAT ") + BigEndian(4) + Text(" XYZ")},
        {"group type with 0x80", 0, Text("FORM") + BigEndian(4) + TBytes{'X', 'Y', 'Z', 0x80}},
        {"group cut before its type", 0, Text("FORM") + BigEndian(4) + Text("XY")},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        COwnedMemoryMedia media = MediaWith(c.bytes);
        CIFFReader2 reader(media, c.byteOrder);
        CIFFChunkInfo chunk;
        EXPECT_THROW(reader.ReadFirstChunk(chunk), NSTramvell::XBadFormat);
        EXPECT_FALSE(CIFFReader2::IsIFFMedia(media, c.byteOrder));
    }
}

TEST(CIFFReader2, GroupSizesZeroToThreeAreBadFormatInRIFFToo)
{
    for (std::uint32_t size = 0; size < 4; ++size) {
        SCOPED_TRACE(size);
        COwnedMemoryMedia media = MediaWith(Text("RIFF") + LittleEndian(size) + Text("WAVE"));
        CRIFFReader2 reader(media);
        CIFFChunkInfo chunk;
        EXPECT_THROW(reader.ReadFirstChunk(chunk), NSTramvell::XBadFormat);
    }
}

TEST(CIFFReader2, AHeaderCutByTheMediaEndIsBadFormat)
{
    // 9 bytes: the first chunk ends at 8, the next header would start there.
    COwnedMemoryMedia media = MediaWith(Text("ABCD") + BigEndian(0) + Text("E"));
    CIFFReader2 reader(media, 0);
    CIFFChunkInfo chunk;
    ASSERT_TRUE(reader.ReadFirstChunk(chunk));
    EXPECT_THROW(reader.ReadNextChunk(chunk, chunk), NSTramvell::XBadFormat);
}

TEST(CIFFReader2, ShortMediaHoldNoChunk)
{
    const TBytes start = {'F', 'O', 'R', 'M', 0, 0, 0};
    for (const std::size_t size : {0u, 7u}) {
        SCOPED_TRACE(size);
        COwnedMemoryMedia media = MediaWith(TBytes(start.begin(), start.begin() + size));
        CIFFReader2 reader(media, 0);
        CIFFChunkInfo chunk;
        EXPECT_FALSE(reader.ReadFirstChunk(chunk));
        EXPECT_EQ(chunk.GetKind(), CIFFChunkInfo::kNone);
        EXPECT_FALSE(CIFFReader2::IsIFFMedia(media, 0));
        EXPECT_FALSE(CRIFFReader2::IsRIFFMedia(media));
    }
}

TEST(CIFFReader2, FindMatchesKindAndWholeName)
{
    // A plain chunk "TEST" and a FORM of type "TEST" holding a plain chunk.
    COwnedMemoryMedia media = MediaWith(Text("FORM") + BigEndian(14) + Text("TEST") + Text("DATA") +
                                        BigEndian(1) + Text("d") + Zeros(1) + Text("TEST") + BigEndian(2) +
                                        Text("pt") + Text("LIST") + BigEndian(4) + Text("TEST"));
    CIFFReader2 reader(media, 0);
    CIFFChunkInfo found;
    ASSERT_TRUE(reader.FindChunk("TEST", found));
    EXPECT_EQ(found.GetOffset(), 22);
    EXPECT_EQ(media.GetPosition(), 30);
    ASSERT_TRUE(reader.FindFORMChunk("TEST", found));
    EXPECT_EQ(found.GetOffset(), 0);
    EXPECT_EQ(media.GetPosition(), 12);
    ASSERT_TRUE(reader.FindLISTChunk("TEST", found));
    EXPECT_EQ(found.GetOffset(), 32);
    EXPECT_FALSE(reader.FindGroupChunk("TEST", found));
    EXPECT_FALSE(reader.FindChunk("DATA", found)); // one level only
    EXPECT_FALSE(reader.FindChunk("TES", found));
    EXPECT_FALSE(reader.FindChunk("TESTS", found));
    EXPECT_FALSE(reader.FindFORMChunk(nullptr, found));
    EXPECT_EQ(found.GetOffset(), 32);
    EXPECT_EQ(reader.CountChunks(), 3);
}

TEST(CIFFReader2, WindowsAndDataReadsCoverExactlyTheData)
{
    COwnedMemoryMedia media = MediaWith(Text("FORM") + BigEndian(17) + Text("TEST") + Text("DATA") +
                                        BigEndian(5) + Text("12345") + Zeros(1));
    CIFFReader2 reader(media, 0);
    CIFFChunkInfo form;
    ASSERT_TRUE(reader.FindFORMChunk("TEST", form));
    EXPECT_EQ(form.GetDataSize(), 13);

    CIFFReader2 inside(reader, form);
    EXPECT_EQ(inside.GetMedia().GetSize(), 13);
    EXPECT_EQ(inside.GetParent(), &reader);
    EXPECT_EQ(inside.GetChunkInfo().GetOffset(), 0);
    EXPECT_EQ(inside.CountChunks(), 1);
    const auto data = inside.OpenChunk("DATA");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->GetSize(), 5);
    char bytes[6] = {};
    data->ReadAt(0, 5, bytes);
    EXPECT_STREQ(bytes, "12345");
    EXPECT_EQ(inside.OpenChunk("NONE"), nullptr);

    CIFFChunkInfo chunk;
    ASSERT_TRUE(inside.FindChunk("DATA", chunk));
    EXPECT_EQ(chunk.GetOffset(), 0); // offsets are the window's
    char all[6] = {};
    inside.ReadChunkData(chunk, all);
    EXPECT_STREQ(all, "12345");
    EXPECT_THROW(inside.ReadChunkData(CIFFChunkInfo(0, "DATA", 0, 6), all), NSTramvell::XBadFormat);
    EXPECT_THROW(CIFFReader2(reader, CIFFChunkInfo()), NSTramvell::XBase);
}

TEST(CIFFReader2, CountChunksKeepsThePosition)
{
    COwnedMemoryMedia media = MediaWith(Text("AAAA") + BigEndian(0) + Text("BBBB") + BigEndian(1) + Text("b"));
    CIFFReader2 reader(media, 0);
    media.SetPosition(3);
    EXPECT_EQ(reader.CountChunks(), 2);
    EXPECT_EQ(media.GetPosition(), 3);
}

TEST(CIFFReader2, IsIFFMediaWantsAGroupFirst)
{
    const struct
    {
        const char* what;
        TBytes bytes;
        bool isIFF;
    } kCases[] = {
        {"FORM", Text("FORM") + BigEndian(4) + Text("TEST"), true},
        {"CAT ", Text("CAT ") + BigEndian(4) + Text("TEST"), true},
        {"LIST", Text("LIST") + BigEndian(4) + Text("TEST"), true},
        {"plain chunk", Text("DATA") + BigEndian(4) + Text("TEST"), false},
        {"little-endian size", Text("FORM") + LittleEndian(4) + Text("TEST"), false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        COwnedMemoryMedia media = MediaWith(c.bytes);
        EXPECT_EQ(CIFFReader2::IsIFFMedia(media, 0), c.isIFF);
    }
}

TEST(CRIFFReader2, RIFFIsTheTopGroupAndFORMAPlainChunk)
{
    const TBytes wave = Text("RIFF") + LittleEndian(36) + Text("WAVE") + Text("fmt ") + LittleEndian(16) +
                        Pattern(16) + Text("data") + LittleEndian(0);
    COwnedMemoryMedia media = MediaWith(wave);
    EXPECT_TRUE(CRIFFReader2::IsRIFFMedia(media));
    COwnedMemoryMedia shortMedia = MediaWith(TBytes(wave.begin(), wave.end() - 1));
    EXPECT_FALSE(CRIFFReader2::IsRIFFMedia(shortMedia));
    EXPECT_FALSE(CIFFReader2::IsIFFMedia(media, 1));

    CRIFFReader2 reader(media);
    CIFFChunkInfo riff;
    ASSERT_TRUE(reader.FindFORMChunk("WAVE", riff));
    CRIFFReader2 inside(reader, riff);
    EXPECT_EQ(Names(inside), "fmt /0 data/0 ");

    COwnedMemoryMedia form = MediaWith(Text("FORM") + LittleEndian(4) + Text("AIFF"));
    CRIFFReader2 formReader(form);
    EXPECT_EQ(Names(formReader), "FORM/0 ");
    EXPECT_FALSE(CRIFFReader2::IsRIFFMedia(form));
}

TEST(CRIFFWriter2, WritesLittleEndianSizesAndKeepsGroupIdentifiers)
{
    COwnedMemoryMedia media;
    NSTramvell::CRIFFWriter2 writer(media);
    CIFFChunkInfo list;
    writer.BeginLISTChunk(list, "INFO");
    {
        NSTramvell::CRIFFWriter2 inside(writer, list);
        inside.WriteChunk("INAM", 3, "abc");
    }
    writer.EndChunk(list);
    EXPECT_EQ(ContentsOf(media), Text("LIST") + LittleEndian(16) + Text("INFO") + Text("INAM") +
                                     LittleEndian(3) + Text("abc") + Zeros(1));
}

TEST(CIFFReader2, DumpChunksWritesOneLinePerChunk)
{
    COwnedMemoryMedia file;
    {
        CIFFWriter2 writer(file, 0);
        CIFFChunkInfo form;
        writer.BeginFORMChunk(form, "TEST");
        {
            CIFFWriter2 inside(writer, form);
            inside.WriteChunk("DATA", 5, "12345");
            CIFFChunkInfo list;
            inside.BeginLISTChunk(list, "INFO");
            {
                CIFFWriter2 deeper(inside, list);
                deeper.WriteChunk("NAME", 2, "nm");
            }
            inside.EndChunk(list);
        }
        writer.EndChunk(form);
        writer.WriteChunk("AUTH", 0, nullptr);
    }
    COwnedMemoryMedia out;
    CIFFReader2::DumpChunks(file, out, 2);
    const TBytes dump = ContentsOf(out);
    EXPECT_EQ(std::string(dump.begin(), dump.end()),
              "  Dumping contents of 'FORM' chunk (TEST), size 36\n"
              "      Simple chunk, type: DATA, size: 5\n"
              "      Dumping contents of 'LIST' chunk (INFO), size 10\n"
              "          Simple chunk, type: NAME, size: 2\n"
              "  Simple chunk, type: AUTH, size: 0\n");
}

TEST(CIFFReader2, DumpChunksRefusesNestingPast64Levels)
{
    const auto nested = [](int levels) {
        TBytes bytes = Text("LEAF") + BigEndian(0);
        for (int i = 0; i < levels; ++i)
            bytes = Text(i % 2 == 0 ? "FORM" : "CAT ") + BigEndian(static_cast<std::uint32_t>(bytes.size() + 4)) +
                    Text("NEST") + bytes;
        return bytes;
    };
    COwnedMemoryMedia deepest = MediaWith(nested(64));
    COwnedMemoryMedia out;
    CIFFReader2::DumpChunks(deepest, out, 0);
    const TBytes dump = ContentsOf(out);
    const std::string text(dump.begin(), dump.end());
    EXPECT_NE(text.find(std::string(256, ' ') + "Simple chunk, type: LEAF, size: 0\n"), std::string::npos);

    COwnedMemoryMedia tooDeep = MediaWith(nested(65));
    COwnedMemoryMedia ignored;
    EXPECT_THROW(CIFFReader2::DumpChunks(tooDeep, ignored, 0), NSTramvell::XBadFormat);
}
