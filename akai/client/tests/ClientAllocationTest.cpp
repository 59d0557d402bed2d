// Replaces the program's operator new, so that one allocation can be made to fail at a chosen moment.

#include "akai/client/VolumeHolder.h"

#include "akai/client/tests/ClientTestVolume.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

bool gFailNextAllocation = false;

} // namespace

void* operator new(std::size_t sizeInBytes)
{
    if (gFailNextAllocation) {
        gFailNextAllocation = false;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(sizeInBytes != 0 ? sizeInBytes : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace {

TEST(CVolumeIteratorHolder, AHolderThatCannotBeAllocatedClosesTheVolume)
{
    bool destroyed = false;
    auto* iterator = new NSClientTest::CTestVolumeIterator;
    iterator->volumes = {new NSClientTest::CTestVolume({}, &destroyed)};
    // The holder is the first allocation after the library's Next has returned.
    iterator->beforeReturning = [] { gFailNextAllocation = true; };
    NSBrakvel::CVolumeIteratorHolder holder(iterator);

    EXPECT_THROW(holder.NextVolume(), std::bad_alloc);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(gFailNextAllocation);
}

} // namespace
