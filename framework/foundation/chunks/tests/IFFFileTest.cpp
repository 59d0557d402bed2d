#include "framework/foundation/chunks/IFFFile.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/chunks/tests/ChunkTestSupport.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

using namespace NSChunkTests;
using NSTramvell::CIFFChunkInfo;
using NSTramvell::CIFFFileReader;
using NSTramvell::CIFFFileWriter;
using NSTramvell::COwnedMemoryMedia;

namespace {

TBytes Size(int byteOrder, std::uint32_t size)
{
    return byteOrder == 0 ? BigEndian(size) : LittleEndian(size);
}

// FORM "PTCH" { CAT "ENTR" { "BODY" 3 bytes, "PARM" 4 bytes }, LIST "INFO" { "NAME" 0 bytes }, "AUTH" 5 }
void WritePatch(COwnedMemoryMedia& media, int byteOrder)
{
    CIFFFileWriter writer(media, byteOrder);
    writer.BeginFORM("PTCH");
    writer.BeginCAT("ENTR");
    writer.BeginChunk("BODY");
    writer.GetMedia().Write(3, "bod");
    writer.EndChunk();
    writer.BeginChunk("PARM");
    writer.GetMedia().Write(4, "parm");
    writer.EndChunk();
    writer.EndChunk();
    writer.BeginLIST("INFO");
    writer.BeginChunk("NAME");
    writer.EndChunk();
    writer.EndChunk();
    writer.BeginChunk("AUTH");
    writer.GetMedia().Write(5, "anyon");
    writer.EndChunk();
    writer.EndChunk();
}

TBytes PatchBytes(int byteOrder)
{
    const TBytes cat = Text("CAT ") + Size(byteOrder, 28) + Text("ENTR") + Text("BODY") + Size(byteOrder, 3) +
                       Text("bod") + Zeros(1) + Text("PARM") + Size(byteOrder, 4) + Text("parm");
    const TBytes list = Text("LIST") + Size(byteOrder, 12) + Text("INFO") + Text("NAME") + Size(byteOrder, 0);
    const TBytes auth = Text("AUTH") + Size(byteOrder, 5) + Text("anyon") + Zeros(1);
    return Text("FORM") + Size(byteOrder, static_cast<std::uint32_t>(4 + cat.size() + list.size() + auth.size())) +
           Text("PTCH") + cat + list + auth;
}

std::string ReadText(CIFFFileReader& reader)
{
    std::string text(static_cast<std::size_t>(reader.GetDataSize()), '\0');
    reader.ReadData(text.data());
    return text;
}

} // namespace

TEST(CIFFFileWriter, DestructionClosesEverythingStillOpen)
{
    COwnedMemoryMedia media;
    {
        CIFFFileWriter writer(media, 0);
        writer.BeginFORM("TEST");
        writer.BeginChunk("DATA");
        writer.GetMedia().Write(5, "12345");
    }
    EXPECT_EQ(ContentsOf(media),
              Text("FORM") + BigEndian(18) + Text("TEST") + Text("DATA") + BigEndian(5) + Text("12345") + Zeros(1));
}

TEST(CIFFFileWriter, GetMediaWithNothingOpenIsTheCallersMedia)
{
    COwnedMemoryMedia media;
    CIFFFileWriter writer(media, 0);
    EXPECT_EQ(&writer.GetMedia(), &media);
    writer.BeginChunk("DATA");
    EXPECT_NE(&writer.GetMedia(), &media);
    writer.EndChunk();
    EXPECT_EQ(&writer.GetMedia(), &media);
}

TEST(CIFFFileWriter, NestedGroupsInBothByteOrders)
{
    for (const int byteOrder : {0, 1}) {
        SCOPED_TRACE(byteOrder);
        COwnedMemoryMedia media;
        WritePatch(media, byteOrder);
        EXPECT_EQ(ContentsOf(media), PatchBytes(byteOrder));
    }
}

TEST(CIFFFileWriter, MisuseThrowsBaseAndWritesNothing)
{
    COwnedMemoryMedia media;
    CIFFFileWriter writer(media, 0);
    EXPECT_THROW(writer.EndChunk(), NSTramvell::XBase);
    EXPECT_THROW(writer.BeginChunk("AB"), NSTramvell::XBase);
    EXPECT_THROW(writer.BeginFORM(""), NSTramvell::XBase);
    EXPECT_EQ(media.GetSize(), 0);
    writer.CloseAll();
    EXPECT_THROW(writer.GetMedia(), NSTramvell::XBase);
    EXPECT_THROW(writer.BeginChunk("DATA"), NSTramvell::XBase);
    EXPECT_EQ(media.GetSize(), 0);
}

TEST(CIFFFileReader, WalksFindsAndEntersWhatTheWriterWrote)
{
    for (const int byteOrder : {0, 1}) {
        SCOPED_TRACE(byteOrder);
        COwnedMemoryMedia media = MediaWith(PatchBytes(byteOrder));
        CIFFFileReader reader(media, byteOrder);
        EXPECT_EQ(reader.CountChunks(), 1);
        EXPECT_FALSE(reader.EnterFORM("PTCX"));
        EXPECT_FALSE(reader.EnterChunk("PTCH")); // a group is no plain chunk
        reader.RequireFORM("PTCH");
        EXPECT_EQ(reader.GetChunkInfo().GetKind(), CIFFChunkInfo::kFORMGroup);
        EXPECT_EQ(reader.GetDataSize(), 70);
        EXPECT_EQ(reader.CountChunks(), 3);

        ASSERT_TRUE(reader.EnterCAT("ENTR"));
        ASSERT_TRUE(reader.EnterFirstChunk());
        std::string walked;
        do {
            walked += std::string(reader.GetChunkInfo().GetName()) + "=" + ReadText(reader) + " ";
        } while (reader.EnterNextChunk());
        EXPECT_EQ(walked, "BODY=bod PARM=parm ");
        // After the last chunk, the group is innermost again.
        EXPECT_STREQ(reader.GetChunkInfo().GetName(), "ENTR");
        reader.LeaveChunk();
        EXPECT_STREQ(reader.GetChunkInfo().GetName(), "PTCH");

        EXPECT_FALSE(reader.EnterCAT("INFO"));
        reader.RequireLIST("INFO");
        reader.RequireChunk("NAME");
        EXPECT_EQ(reader.GetDataSize(), 0);
        EXPECT_FALSE(reader.EnterNextChunk());
        reader.LeaveChunk();

        const auto auth = reader.OpenChunk("AUTH");
        ASSERT_NE(auth, nullptr);
        EXPECT_EQ(auth->GetSize(), 5);
        EXPECT_EQ(reader.OpenChunk("BODY"), nullptr); // one level only
        char text[6] = {};
        reader.ReadChunk("AUTH", text);
        EXPECT_STREQ(text, "anyon");
        EXPECT_THROW(reader.ReadChunk("BODY", text), NSTramvell::XBadFormat);
        EXPECT_THROW(reader.RequireChunk("BODY"), NSTramvell::XBadFormat);
        EXPECT_THROW(reader.RequireCAT("PTCH"), NSTramvell::XBadFormat);
        EXPECT_STREQ(reader.GetChunkInfo().GetName(), "PTCH");
    }
}

TEST(CIFFFileReader, InnermostOperationsOnAnEmptyStackThrowBase)
{
    COwnedMemoryMedia media = MediaWith(PatchBytes(0));
    CIFFFileReader reader(media, 0);
    char buffer[64] = {};
    EXPECT_THROW(reader.LeaveChunk(), NSTramvell::XBase);
    EXPECT_THROW(reader.GetChunkInfo(), NSTramvell::XBase);
    EXPECT_THROW(reader.GetDataSize(), NSTramvell::XBase);
    EXPECT_THROW(reader.ReadData(buffer), NSTramvell::XBase);
    EXPECT_THROW(reader.EnterNextChunk(), NSTramvell::XBase);
    // Nothing changed: the reader still stands at the top level.
    EXPECT_TRUE(reader.EnterFORM("PTCH"));
    EXPECT_EQ(reader.CountChunks(), 3);
}

TEST(CIFFFileReader, EmptyMediaHasNoFirstChunk)
{
    COwnedMemoryMedia media;
    CIFFFileReader reader(media, 0);
    EXPECT_FALSE(reader.EnterFirstChunk());
    EXPECT_EQ(reader.CountChunks(), 0);
    EXPECT_THROW(reader.RequireFORM("PTCH"), NSTramvell::XBadFormat);
}

// The patch writer's sequence over a media that fails, writes counted from 0.
void WriteFailingPatch(CFailingMedia& media)
{
    CIFFFileWriter writer(media, 0);
    writer.BeginFORM("TEST");             // write 0
    writer.BeginCAT("ENTR");              // write 1
    writer.BeginChunk("DATA");            // write 2
    writer.GetMedia().Write(5, "12345");  // write 3
    writer.EndChunk();                    // writes 4 (size), 5 (pad)
    writer.BeginChunk("MORE");            // write 6
    writer.GetMedia().Write(2, "mo");     // write 7
}

TEST(CIFFFileWriter, DestructorSwallowsEveryMediaFailure)
{
    for (const auto failure : {CFailingMedia::EFailure::kWrite, CFailingMedia::EFailure::kOutOfMemory}) {
        for (int failFrom = 0; failFrom < 11; ++failFrom) {
            SCOPED_TRACE(failFrom);
            CFailingMedia media(failFrom, 1000, failure);
            bool failed = false;
            try {
                WriteFailingPatch(media);
            } catch (const NSTramvell::XWrite&) {
                failed = true;
            } catch (const std::bad_alloc&) {
                failed = true;
            }
            EXPECT_EQ(failed, failFrom < 8);
            EXPECT_GT(media.GetFailureCount(), 0);
        }
    }
}

TEST(CIFFFileWriter, DestructorClosesWhatItCanAfterOneFailure)
{
    // Write 8 patches "MORE"; it fails once, and the two groups outside it are still closed.
    CFailingMedia media(8, 1, CFailingMedia::EFailure::kWrite);
    WriteFailingPatch(media);
    EXPECT_EQ(media.GetFailureCount(), 1);
    const TBytes data = Text("DATA") + BigEndian(5) + Text("12345") + Zeros(1);
    const TBytes more = Text("MORE") + BigEndian(0) + Text("mo");
    EXPECT_EQ(ContentsOf(media.GetContents()), Text("FORM") + BigEndian(40) + Text("TEST") + Text("CAT ") +
                                                   BigEndian(28) + Text("ENTR") + data + more);
}

TEST(CIFFFileWriter, ExceptionUnwindingPastTheWriterReachesItsHandler)
{
    CFailingMedia media(2, 1000, CFailingMedia::EFailure::kOutOfMemory);
    bool handled = false;
    try {
        CIFFFileWriter writer(media, 0);
        writer.BeginFORM("TEST");
        writer.BeginChunk("DATA");
        throw std::runtime_error("caller's failure");
    } catch (const std::runtime_error& e) {
        handled = std::string(e.what()) == "caller's failure";
    }
    EXPECT_TRUE(handled);
    EXPECT_GT(media.GetFailureCount(), 1);
}

TEST(CIFFFileWriter, ExplicitCloseAllStillThrows)
{
    CFailingMedia media(2, 1, CFailingMedia::EFailure::kWrite);
    CIFFFileWriter writer(media, 0);
    writer.BeginFORM("TEST");
    writer.BeginChunk("DATA");
    EXPECT_THROW(writer.CloseAll(), NSTramvell::XWrite);
}
