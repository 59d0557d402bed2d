#include "akai/filesystem/AkaiNames.h"

#include "akai/parsers/IAkaiFileMedia.h"
#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Name = std::vector<std::uint8_t>;

// An Akai file held in memory that refuses reads past its end, as the real one does.
class CFakeAkaiFile final : public NSAkaiParser::IAkaiFileMedia
{
public:
    explicit CFakeAkaiFile(std::vector<std::uint8_t> bytes) : mBytes(std::move(bytes)) {}

    std::uint64_t GetSize() override { return mBytes.size(); }
    void ReadAt(std::uint64_t position, std::uint64_t length, void* buffer) override
    {
        if (position > mBytes.size() || length > mBytes.size() - position) {
            throw NSTramvell::XBadFormat();
        }
        std::memcpy(buffer, mBytes.data() + position, length);
    }

private:
    std::vector<std::uint8_t> mBytes;
};

} // namespace

TEST(AkaiNames, DecodeByTheTableAndDropTrailingBlanks)
{
    const struct {
        Name stored;
        const char* text;
    } kCases[] = {
        {{17, 14, 21, 21, 24, 10, 10, 10, 10, 10, 10, 10}, "GDKKN"},
        {{17, 14, 41, 21, 24, 10, 10, 10, 10, 10, 10, 10}, "GD~KN"},
        {{10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, ""},
        {{10, 1, 10, 2, 10, 10, 10, 10, 10, 10, 10, 10}, " 1 2"},
        {{0, 9, 36, 37, 38, 39, 40, 255, 10, 10, 10, 10}, "09Z#+-.~"},
        {{11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 200}, "AAAAAAAAAAA~"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NSAkaiFileSystem::AkaiNameToString(c.stored.data()), c.text);
    }
}

TEST(AkaiNames, EncodePadsWithBlanksAndStoresUnknownCharactersAsPlus)
{
    const struct {
        const char* text;
        Name stored;
    } kCases[] = {
        {"ab", {38, 38, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10}},
        {"PIANO 1", {26, 19, 11, 24, 25, 10, 1, 10, 10, 10, 10, 10}},
        {"", {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10}},
        {"ABCDEFGHIJKLMN", {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}},
        {"~#.", {38, 37, 40, 10, 10, 10, 10, 10, 10, 10, 10, 10}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        Name stored(12, 0xEE);
        NSAkaiFileSystem::StringToAkaiName(c.text, stored.data());
        EXPECT_EQ(stored, c.stored);
    }
}

TEST(TuneToCents, RoundsFineTuneIn256thsToTheNearestCent)
{
    const struct {
        std::int8_t semitones;
        std::uint8_t fine;
        std::int32_t cents;
    } kCases[] = {
        {0, 0, 0}, {-2, 0, -200}, {0, 2, 1}, {0, 64, 25}, {1, 128, 150}, {-1, 128, -50},
        {0, 255, 100}, {-128, 0, -12800}, {127, 255, 12800}, {-1, 2, -99},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << int{c.semitones} << ", " << int{c.fine});
        EXPECT_EQ(NSAkaiParser::TuneToCents(c.semitones, c.fine), c.cents);
    }
}

TEST(AkaiFieldReaders, ReadLittleEndianFieldsAtTheirPosition)
{
    CFakeAkaiFile file({0xFF, 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 17, 14, 21, 21, 24, 10, 10, 10, 10, 10, 10, 10});
    EXPECT_EQ(NSAkaiParser::ReadHeaderByte(file, 0), 0xFF);
    EXPECT_EQ(NSAkaiParser::ReadHeaderSignedByte(file, 0), -1);
    EXPECT_EQ(NSAkaiParser::ReadHeaderSignedByte(file, 7), 17);
    EXPECT_EQ(NSAkaiParser::ReadHeaderWord(file, 1), 0x1234);
    EXPECT_EQ(NSAkaiParser::ReadHeaderLong(file, 3), 0x12345678u);
    EXPECT_EQ(NSAkaiParser::ReadAkaiName(file, 7), "GDKKN");
}

TEST(AkaiFieldReaders, LetTheFilesFailurePass)
{
    CFakeAkaiFile file({1, 2, 3});
    EXPECT_THROW(NSAkaiParser::ReadHeaderByte(file, 3), NSTramvell::XBadFormat);
    EXPECT_THROW(NSAkaiParser::ReadHeaderWord(file, 2), NSTramvell::XBadFormat);
    EXPECT_THROW(NSAkaiParser::ReadHeaderLong(file, 0), NSTramvell::XBadFormat);
    EXPECT_THROW(NSAkaiParser::ReadAkaiName(file, 0), NSTramvell::XBadFormat);
}
