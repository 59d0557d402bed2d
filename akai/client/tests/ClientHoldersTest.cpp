#include "akai/client/VolumeHolder.h"

#include "akai/client/BrakvelErrors.h"
#include "akai/client/tests/ClientTestVolume.h"
#include "libs/rawdisk/tests/FakeDrives.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <typeinfo>
#include <vector>

namespace {

using NSBrakvel::CVolumeHolder;
using NSBrakvel::CVolumeIteratorHolder;
using NSClientTest::CTestVolume;
using NSClientTest::CTestVolumeIterator;

TEST(CVolumeHolder, DeletesTheVolumeOnlyWhenItOwnsIt)
{
    for (const bool owns : {true, false}) {
        SCOPED_TRACE(owns);
        bool destroyed = false;
        auto* volume = new CTestVolume({}, &destroyed);
        {
            CVolumeHolder holder(volume, owns);
        }
        EXPECT_EQ(destroyed, owns);
        if (!owns)
            delete volume;
    }
}

TEST(CVolumeHolder, AnswersWhatTheVolumeAnswers)
{
    CTestVolume volume({1, 2, 3, 4, 5});
    CVolumeHolder holder(&volume, false);
    for (const bool flag : {true, false}) {
        volume.flag = flag;
        EXPECT_EQ(holder.GetFlag(), flag);
    }
    EXPECT_EQ(holder.GetSize(), 5);
    std::uint8_t bytes[3] = {};
    holder.Read(2, 3, bytes);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 3), (std::vector<std::uint8_t>{3, 4, 5}));
    EXPECT_THROW(holder.Read(3, 3, bytes), std::invalid_argument);
    EXPECT_NO_THROW(holder.Eject());
}

TEST(CVolumeHolder, EveryOperationThrowsTheVolumesFailure)
{
    CTestVolume volume({1, 2, 3});
    volume.status = NSBrakvel::kBrakvelDriveIsBusy;
    CVolumeHolder holder(&volume, false);
    std::uint8_t byte = 0;
    EXPECT_THROW(holder.Eject(), NSBrakvel::XDriveIsBusy);
    EXPECT_THROW(holder.GetFlag(), NSBrakvel::XDriveIsBusy);
    EXPECT_THROW(holder.GetSize(), NSBrakvel::XDriveIsBusy);
    EXPECT_THROW(holder.Read(0, 1, &byte), NSBrakvel::XDriveIsBusy);
}

TEST(CVolumeIteratorHolder, HandsOutOwningHoldersUntilNoVolumeIsLeft)
{
    bool firstDestroyed = false;
    bool secondDestroyed = false;
    auto* iterator = new CTestVolumeIterator;
    iterator->volumes = {new CTestVolume({}, &firstDestroyed), new CTestVolume({}, &secondDestroyed)};
    CVolumeIteratorHolder holder(iterator);

    auto first = holder.NextVolume();
    ASSERT_NE(first, nullptr);
    auto second = holder.NextVolume();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(holder.NextVolume(), nullptr);

    first.reset();
    EXPECT_TRUE(firstDestroyed);
    EXPECT_FALSE(secondDestroyed);
}

TEST(CVolumeIteratorHolder, AFailedNextThrowsAndLeavesTheHolderUsable)
{
    bool destroyed = false;
    auto* iterator = new CTestVolumeIterator;
    iterator->volumes = {new CTestVolume({}, &destroyed)};
    CVolumeIteratorHolder holder(iterator);

    iterator->nextStatus = NSBrakvel::kBrakvelFileError;
    EXPECT_THROW(holder.NextVolume(), NSBrakvel::XFile);
    iterator->nextStatus = NSBrakvel::kBrakvelSuccess;
    EXPECT_NE(holder.NextVolume(), nullptr);
    EXPECT_TRUE(destroyed);
}

TEST(CVolumeIteratorHolder, DeletesItsIteratorAndRefusesToIterateWhenEmpty)
{
    bool destroyed = false;
    auto* iterator = new CTestVolumeIterator;
    iterator->volumes = {new CTestVolume({}, &destroyed)};   // deleted with the iterator
    {
        CVolumeIteratorHolder holder(iterator);
    }
    EXPECT_TRUE(destroyed);

    CVolumeIteratorHolder empty;
    EXPECT_THROW(empty.NextVolume(), NSBrakvel::XIllegalCallSequence);
}

TEST(CreateVolumeIterator, GivesTheDrivesWithAMediumThroughTheLibrary)
{
    NSBrakvelTest::CFakeDrives fake;
    const std::vector<std::uint8_t> image = NSBrakvelTest::MakePatternImage(8 * 2048);
    fake.AddDrive('D', NSBrakvelTest::MakeCDROM(image));
    NSBrakvelTest::CFakeDrive empty = NSBrakvelTest::MakeCDROM({});
    empty.hasMedium = false;
    fake.AddDrive('E', empty);

    CVolumeIteratorHolder iterator;
    NSBrakvel::CreateVolumeIterator(iterator);
    auto volume = iterator.NextVolume();
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ(fake.GetOpenDrives(), "D");
    EXPECT_EQ(volume->GetSize(), static_cast<std::int64_t>(image.size()));
    std::vector<std::uint8_t> bytes(image.size());
    volume->Read(0, bytes.size(), bytes.data());
    EXPECT_EQ(bytes, image);
    EXPECT_EQ(iterator.NextVolume(), nullptr);

    volume.reset();
    EXPECT_EQ(fake.GetOpenHandleCount(), 0);
}

TEST(CreateVolumeIterator, AFailureThrowsAndLeavesTheHolderEmpty)
{
    CVolumeIteratorHolder iterator(new CTestVolumeIterator);
    NSBrakvelTest::CFakeDrives fake;   // no drives at all: the library cannot list them
    try {
        NSBrakvel::CreateVolumeIterator(iterator);
        FAIL() << "nothing thrown";
    } catch (const std::exception& e) {
        EXPECT_EQ(typeid(e), typeid(std::exception));
    }
    EXPECT_TRUE(iterator.IsEmpty());
}

} // namespace
