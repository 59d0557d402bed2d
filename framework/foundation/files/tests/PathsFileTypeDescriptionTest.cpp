#include "framework/foundation/files/FileTypeDescription.h"

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

TEST(CFileTypeDescription, MatchesByTheExtensionIgnoringCase)
{
    const CFileTypeDescription nineCharacters("Long", ".abcdefgh;.wav", "LONG");
    const struct
    {
        const CFileTypeDescription& description;
        const char* path;
        bool matches;
    } kCases[] = {
        {GetWaveFileDescription(), "C:\\x\\song.WAV", true},
        {GetWaveFileDescription(), "C:\\x\\song.wave", true},
        {GetWaveFileDescription(), "C:\\x\\song.wav.bak", false},
        {GetWaveFileDescription(), "C:\\x\\song", false},
        {GetWaveFileDescription(), "C:\\x\\song.aif", false},
        {nineCharacters, "C:\\x\\song.abcdefgh", false},
        {GetTextFileDescription(), "C:\\x\\Log.Doc", true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.description.Matches(CFileSpec(c.path)), c.matches);
    }
    EXPECT_TRUE(GetWaveFileDescription().HasExtension(".WaVe"));
    EXPECT_FALSE(GetWaveFileDescription().HasExtension("wav"));
}

TEST(CFileTypeDescription, CompatibleBySharedTypeOrExtension)
{
    const CFileTypeDescription archive("Archive", ".zip;.BIN", "ZIPF");
    const CFileTypeDescription other("Other", ".oth", "OTHR");
    const CFileTypeDescription sameType("Same type", ".xyz", "BINA");
    EXPECT_TRUE(archive.IsCompatible(GetUndefinedBinaryDescription()));
    EXPECT_TRUE(GetUndefinedBinaryDescription().IsCompatible(archive));
    EXPECT_TRUE(sameType.IsCompatible(GetUndefinedBinaryDescription()));
    EXPECT_FALSE(archive.IsCompatible(other));
}

TEST(CFileTypeDescription, ExtensionListIsSplitAtEverySemicolon)
{
    const struct
    {
        const char* list;
        std::vector<std::string> extensions;
    } kCases[] = {
        {".wav;.wave", {".wav", ".wave"}},
        {"a;;b", {"a", "", "b"}},
        {".wav;.wave;", {".wav", ".wave"}},
        {"", {}},
        {";", {""}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.list);
        EXPECT_EQ(CFileTypeDescription("d", c.list, "TYPE").GetExtensions(), c.extensions);
    }
    EXPECT_EQ(JoinExtensionList({".wav", ".wave"}), ".wav;.wave");
    EXPECT_EQ(JoinExtensionList({}), "");
}

TEST(CFileTypeDescription, StoredFormOfTheTemporaryFileDescription)
{
    COwnedMemoryMedia media;
    GetTemporaryFileDescription().Write(media);
    std::vector<std::uint8_t> expected = {0, 0, 0, 14};
    for (char c : std::string("Temporary File"))
        expected.push_back(static_cast<std::uint8_t>(c));
    for (const std::uint8_t b : std::vector<std::uint8_t>{0, 0, 0, 4, '.', 't', 'm', 'p', 0x54, 0x4D, 0x50, 0x20})
        expected.push_back(b);
    EXPECT_EQ(std::vector<std::uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetSize()), expected);

    media.SetPosition(0);
    const CFileTypeDescription read(media);
    EXPECT_EQ(read.GetMacFileType(), "TMP ");
    EXPECT_TRUE(read == GetTemporaryFileDescription());
}

TEST(CFileTypeDescription, RoundTripsAndShortTypeCodes)
{
    COwnedMemoryMedia media;
    GetWaveFileDescription().Write(media);
    const CFileTypeDescription shortType("Short", ".s;.t", "AB");
    shortType.Write(media);
    media.SetPosition(0);
    const CFileTypeDescription wave(media);
    const CFileTypeDescription shortRead(media);
    EXPECT_TRUE(wave == GetWaveFileDescription());
    EXPECT_EQ(wave.GetDescription(), "Wave File");
    EXPECT_EQ(shortRead.GetMacFileType(), "AB");
    EXPECT_TRUE(shortRead == shortType);
    EXPECT_FALSE(wave == GetAudioIFFDescription());
}

TEST(CFileTypeDescription, EqualityIsCaseSensitive)
{
    EXPECT_FALSE(CFileTypeDescription("Wave File", ".WAV;.wave", "WAVE") == GetWaveFileDescription());
    EXPECT_FALSE(CFileTypeDescription("Wave File", ".wav;.wave", "wave") == GetWaveFileDescription());
    EXPECT_FALSE(CFileTypeDescription("Wave File", ".wav", "WAVE") == GetWaveFileDescription());
    EXPECT_TRUE(CFileTypeDescription("Wave File", ".wav;.wave", "WAVE") == GetWaveFileDescription());
}

} // namespace
