#include "app/preferences/PreferenceFile.h"

#include "framework/foundation/chunks/IFFWriter2.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/files/FileSpec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using NSTramvell::CDirSpec;
using NSTramvell::CFileTypeDescription;

std::string WriteToBytes(const CLuvexPreferenceFile& file)
{
    NSTramvell::COwnedMemoryMedia media;
    file.Write(media);
    return std::string(reinterpret_cast<const char*>(media.GetBuffer()), media.GetSize());
}

CLuvexPreferenceFile ReadFromBytes(const std::string& bytes)
{
    NSTramvell::COwnedMemoryMedia media(static_cast<std::int32_t>(bytes.size()), bytes.data());
    return CLuvexPreferenceFile(media);
}

CWindowPositionRecord FilledRecord(const std::string& folderPath)
{
    CWindowPositionRecord record;
    record.mainWindowLocation = NSTramvell::CLocation(120, -4);
    record.folderDialogState.SetFolder(CDirSpec(folderPath));
    record.folderDialogState.SetPosition({10, 20, 330, 240});
    record.saveFileDialogState.SetFolder(CDirSpec("C:\\Kaplets\\"));
    record.saveFileDialogState.SetFileType(CFileTypeDescription("Kaplet file", ".kpl", "KPL "));
    record.saveFileDialogState.SetPosition({-5, 0, 40000, 7});
    record.packerAlertCount = 2;
    return record;
}

// The file's three chunks' data, to be put together again after a change.
struct CChunkData
{
    std::string vers;
    std::string wpos;
    std::optional<std::string> gnrl;
};

CChunkData SplitChunks(const std::string& file)
{
    CChunkData parts;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::string id = file.substr(at, 4);
        const std::size_t size = (std::size_t{static_cast<std::uint8_t>(file[at + 4])} << 24) |
                                 (std::size_t{static_cast<std::uint8_t>(file[at + 5])} << 16) |
                                 (std::size_t{static_cast<std::uint8_t>(file[at + 6])} << 8) |
                                 static_cast<std::uint8_t>(file[at + 7]);
        const std::string data = file.substr(at + 8, size);
        if (id == "VERS")
            parts.vers = data;
        else if (id == "WPos")
            parts.wpos = data;
        else if (id == "Gnrl")
            parts.gnrl = data;
        at += 8 + size + (size & 1);
    }
    return parts;
}

std::string JoinChunks(const CChunkData& parts)
{
    NSTramvell::COwnedMemoryMedia media;
    NSTramvell::CIFFWriter2 file(media, 0);
    NSTramvell::CIFFChunkInfo group;
    file.BeginCATChunk(group, "PREF");
    {
        NSTramvell::CIFFWriter2 chunks(file, group);
        chunks.WriteChunk("VERS", static_cast<std::int32_t>(parts.vers.size()), parts.vers.data());
        chunks.WriteChunk("WPos", static_cast<std::int32_t>(parts.wpos.size()), parts.wpos.data());
        if (parts.gnrl)
            chunks.WriteChunk("Gnrl", static_cast<std::int32_t>(parts.gnrl->size()), parts.gnrl->data());
    }
    file.EndChunk(group);
    return std::string(reinterpret_cast<const char*>(media.GetBuffer()), media.GetSize());
}

void ExpectRecordsEqual(const CWindowPositionRecord& read, const CWindowPositionRecord& written)
{
    EXPECT_EQ(read.mainWindowLocation.GetX(), written.mainWindowLocation.GetX());
    EXPECT_EQ(read.mainWindowLocation.GetY(), written.mainWindowLocation.GetY());
    EXPECT_EQ(read.folderDialogState.GetFolder(), written.folderDialogState.GetFolder());
    EXPECT_EQ(read.folderDialogState.GetPosition(), written.folderDialogState.GetPosition());
    EXPECT_EQ(read.saveFileDialogState.GetFolder(), written.saveFileDialogState.GetFolder());
    EXPECT_EQ(read.saveFileDialogState.GetFileType(), written.saveFileDialogState.GetFileType());
    EXPECT_EQ(read.packerAlertCount, written.packerAlertCount);
}

} // namespace

TEST(CLuvexPreferenceFile, DefaultFileHasItsExactBytes)
{
    const std::string bytes = WriteToBytes(CLuvexPreferenceFile());
    ASSERT_EQ(bytes.size(), 356u);
    const std::string start("CAT \x00\x00\x01\x5C" "PREFVERS\x00\x00\x01\x00Qevo\xBC\x01\x00\x00\x00", 29);
    EXPECT_EQ(bytes.substr(0, 29), start);
    const std::size_t copyrightEnd = 29 + sizeof NSPreferenceFile::kCopyright;
    EXPECT_EQ(bytes.substr(29, copyrightEnd - 29), std::string(NSPreferenceFile::kCopyright) + '\0');
    EXPECT_EQ(bytes.substr(copyrightEnd, 276 - copyrightEnd), std::string(276 - copyrightEnd, '\0'));
    const std::string wpos("WPos\x00\x00\x00\x36"
                           "\xBC\x01\x00\x00\x00" "\xFF\xFF\x80\x00" "\xFF\xFF\x80\x00"
                           "Conv" "\x00\x00\x00\x03" "Win" "\x00" "\x00\x00\x00\x00\x00\x00\x00\x00"
                           "KPCo" "\x00" "\x00\x00\x00\x03" "Win" "\x00" "\x00\x00\x00\x00\x00\x00\x00\x00", 62);
    EXPECT_EQ(bytes.substr(276, 62), wpos);
    EXPECT_EQ(bytes.substr(338), std::string("Gnrl\x00\x00\x00\x09\xBC\x01\x00\x00\x00\x00\x00\x00\x00\x00", 18));
}

TEST(CLuvexPreferenceFile, EachRecordWritesItselfThroughTheFormatBase)
{
    CGeneralPrefs general;
    general.packerAlertCount = 0x01020304;
    const CWindowPositions positions;
    const CLuvexPreferenceFile file;
    const struct
    {
        const char* name;
        const NSTramvell::CABCFormat& format;
        std::size_t size;
        std::string start;
    } kCases[] = {
        {"Gnrl", general, 9, std::string("\xBC\x01\x00\x00\x00\x01\x02\x03\x04", 9)},
        {"WPos", positions, 54, std::string("\xBC\x01\x00\x00\x00\xFF\xFF\x80\x00\xFF\xFF\x80\x00" "Conv", 17)},
        {"file", file, 356, std::string("CAT \x00\x00\x01\x5CPREF", 12)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        NSTramvell::COwnedMemoryMedia media;
        c.format.Write(media);
        const std::string bytes(reinterpret_cast<const char*>(media.GetBuffer()), media.GetSize());
        EXPECT_EQ(bytes.size(), c.size);
        EXPECT_EQ(bytes.substr(0, c.start.size()), c.start);
    }
}

TEST(CLuvexPreferenceFile, TheFileTypeIsTheDravimPreferencesFile)
{
    const CFileTypeDescription& type = NSPreferenceFile::FileTypeDescription();
    EXPECT_EQ(type.GetDescription(), "Dravim Preferences File");
    EXPECT_EQ(type.GetMacFileType(), NSTramvell::CMacFileTypeCode("pref"));
    EXPECT_EQ(type.GetExtensions(), std::vector<std::string>{".prf"});
    EXPECT_TRUE(type.Matches(NSTramvell::CFileSpec("C:\\Data\\Dravim Preferences.prf")));
    EXPECT_FALSE(type.Matches(NSTramvell::CFileSpec("C:\\Data\\Dravim Preferences.kpl")));
}

TEST(CLuvexPreferenceFile, FilledRecordRoundTripsAndAnOddFolderPads)
{
    for (const std::string& folder : {std::string("C:\\Samples\\"), std::string("C:\\Sample\\")}) {
        SCOPED_TRACE(folder);
        const CWindowPositionRecord record = FilledRecord(folder);
        const std::string bytes = WriteToBytes(CLuvexPreferenceFile(record));
        const CChunkData parts = SplitChunks(bytes);
        const bool odd = (parts.wpos.size() & 1) != 0;
        EXPECT_EQ(odd, folder.size() % 2 == 1);
        if (odd) {
            EXPECT_EQ(bytes[276 + 8 + parts.wpos.size()], '\0');
        }
        EXPECT_EQ(bytes.substr(bytes.size() - 18, 4), "Gnrl");
        const CLuvexPreferenceFile read = ReadFromBytes(bytes);
        ExpectRecordsEqual(read.GetRecord(), record);
        // 40000 does not fit the stored 16 bits.
        EXPECT_EQ(read.GetRecord().saveFileDialogState.GetPosition(),
                  (NSTramvell::CDialogPosition{-5, 0, 40000 - 65536, 7}));
    }
}

TEST(CLuvexPreferenceFile, DamagedFilesAreRefused)
{
    const CChunkData sound = SplitChunks(WriteToBytes(CLuvexPreferenceFile(FilledRecord("C:\\Samples\\"))));
    ASSERT_NO_THROW(ReadFromBytes(JoinChunks(sound)));
    // "WPos" offsets: version 0, location 5, "Conv" 13, platform length 17, "Win" 21, folder flag 24,
    // path tag 25, path length 29.
    const struct
    {
        const char* name;
        void (*damage)(CChunkData&);
    } kDamages[] = {
        {"VERS of 255 bytes", [](CChunkData& p) { p.vers.resize(255); }},
        {"VERS of 257 bytes", [](CChunkData& p) { p.vers.push_back('\0'); }},
        {"signature", [](CChunkData& p) { p.vers[3] = 'x'; }},
        {"major version 2", [](CChunkData& p) { p.vers[5] = 2; }},
        {"WPos version marker", [](CChunkData& p) { p.wpos[0] = 0; }},
        {"WPos major version 2", [](CChunkData& p) { p.wpos[1] = 2; }},
        {"key Conx", [](CChunkData& p) { p.wpos[16] = 'x'; }},
        {"platform length", [](CChunkData& p) { p.wpos.replace(17, 4, "\x7F\xFF\xFF\xF0"); }},
        {"folder length", [](CChunkData& p) { p.wpos.replace(29, 4, "\x7F\xFF\xFF\xF0"); }},
        {"WPos cut short", [](CChunkData& p) { p.wpos.resize(p.wpos.size() - 1); }},
        {"no Gnrl", [](CChunkData& p) { p.gnrl.reset(); }},
        {"Gnrl of 8 bytes", [](CChunkData& p) { p.gnrl->resize(8); }},
    };
    for (const auto& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        CChunkData parts = sound;
        damage.damage(parts);
        EXPECT_THROW(ReadFromBytes(JoinChunks(parts)), NSTramvell::XMedia);
    }
    EXPECT_THROW(ReadFromBytes("FORM\x00\x00\x00\x04PREF"), NSTramvell::XMedia);
}

TEST(CLuvexPreferenceFile, AnyMinorVersionOfTheFileIsRead)
{
    CChunkData parts = SplitChunks(WriteToBytes(CLuvexPreferenceFile(FilledRecord("C:\\Samples\\"))));
    parts.vers[6] = 7;  // 1.7
    ExpectRecordsEqual(ReadFromBytes(JoinChunks(parts)).GetRecord(), FilledRecord("C:\\Samples\\"));
}

TEST(CSaveFileDialogState, OtherPlatformKeepsTheFileTypeOnly)
{
    NSTramvell::COwnedMemoryMedia media;
    FilledRecord("C:\\Samples\\").saveFileDialogState.Write(media);
    std::string bytes(reinterpret_cast<const char*>(media.GetBuffer()), media.GetSize());
    const std::size_t platform = bytes.find("Win");
    ASSERT_NE(platform, std::string::npos);
    bytes[platform] = 'M';
    NSTramvell::COwnedMemoryMedia stored(static_cast<std::int32_t>(bytes.size()), bytes.data());
    const NSTramvell::CSaveFileDialogState state("KPCo", stored);
    EXPECT_EQ(state.GetFileType(), FilledRecord("C:\\Samples\\").saveFileDialogState.GetFileType());
    EXPECT_FALSE(state.GetFolder().has_value());
    EXPECT_EQ(state.GetPosition(), NSTramvell::CDialogPosition{});
}
