#include "conversion/disc/AkaiFileMedia.h"

#include "akai/filesystem/AkaiFile.h"
#include "akai/filesystem/AkaiFileSystem.h"
#include "akai/filesystem/tests/support/DiscImageBuilder.h"
#include "akai/filesystem/tests/support/MemoryDiskMedia.h"
#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <limits>

using namespace NSAkaiTestSupport;
using NSAkaiConversionImplementation::CAkaiFileMedia;

namespace {

CDiscImage TwoFileDisc()
{
    CDiscImageBuilder builder;
    builder.AddPartition(10);
    builder.AddVolume(0, CVolumeDescription("V"));
    builder.AddFile(0, 0, CFileDescription("EMPTY", 243, {}));
    builder.AddFile(0, 0, CFileDescription("PROGRAM", 240, MakeFileContents(9000, 4)));
    return builder.Build();
}

} // namespace

TEST(CAkaiFileMedia, ReportsTheFilesSizeAndReadsItsBytes)
{
    CMemoryDiskMedia disc(TwoFileDisc());
    NSAkaiFileSystem::CAkaiFileSystem fileSystem(disc);
    NSAkaiFileSystem::CAkaiFile empty(fileSystem, 0, 0, 0);
    NSAkaiFileSystem::CAkaiFile program(fileSystem, 0, 0, 1);

    EXPECT_EQ(CAkaiFileMedia(empty).GetSize(), 0u);
    CAkaiFileMedia first(program);
    CAkaiFileMedia second(program);
    EXPECT_EQ(first.GetSize(), 9000u);
    std::vector<std::uint8_t> fromFirst(100, 0);
    std::vector<std::uint8_t> fromSecond(100, 1);
    first.ReadAt(8150, 100, fromFirst.data());
    second.ReadAt(8150, 100, fromSecond.data());
    const std::vector<std::uint8_t> contents = MakeFileContents(9000, 4);
    EXPECT_EQ(fromFirst, std::vector<std::uint8_t>(contents.begin() + 8150, contents.begin() + 8250));
    EXPECT_EQ(fromSecond, fromFirst);
}

TEST(CAkaiFileMedia, ReadsOutsideTheFileFailAsBadFormatWhateverTheirWidth)
{
    CMemoryDiskMedia disc(TwoFileDisc());
    NSAkaiFileSystem::CAkaiFileSystem fileSystem(disc);
    NSAkaiFileSystem::CAkaiFile program(fileSystem, 0, 0, 1);
    CAkaiFileMedia media(program);
    std::uint8_t buffer[16] = {};
    const std::uint64_t kHuge = std::numeric_limits<std::uint64_t>::max();
    const struct {
        std::uint64_t position;
        std::uint64_t length;
    } kCases[] = {{8999, 2}, {9000, 1}, {kHuge, 1}, {0, kHuge}, {(std::uint64_t{1} << 32) + 1, 1}, {kHuge - 5, 10}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.position << ", " << c.length);
        EXPECT_THROW(media.ReadAt(c.position, c.length, buffer), NSTramvell::XBadFormat);
    }
}
