#include "framework/gui/shell/ShellItemList.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/gui/application/GuiExceptions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <typeinfo>
#include <vector>

using namespace NSTramvell;

namespace {

// Plain heap blocks, counted, so that a test sees every list freed; it can refuse to allocate.
class CCountingAllocator : public IItemListAllocator
{
public:
    ~CCountingAllocator() { EXPECT_EQ(mLiving, 0); }
    void* Allocate(std::size_t sizeInBytes) override
    {
        if (mRefuse)
            return nullptr;
        ++mLiving;
        ++mAllocations;
        return std::malloc(sizeInBytes);
    }
    void Free(void* block) override
    {
        --mLiving;
        std::free(block);
    }

    int mLiving = 0;
    int mAllocations = 0;
    bool mRefuse = false;
};

// Two items of 4 and 3 bytes.
const std::vector<std::uint8_t> kTwoItems = {4, 0, 'a', 'b', 3, 0, 'c', 0, 0};
const std::vector<std::uint8_t> kOneItem = {5, 0, 'x', 'y', 'z', 0, 0};
const std::vector<std::uint8_t> kEmpty = {0, 0};

std::vector<std::uint8_t> BytesOf(const std::uint8_t* list)
{
    return std::vector<std::uint8_t>(list, list + GetListSize(list));
}

std::vector<std::uint8_t> Stored(std::uint32_t magic, std::uint8_t major, std::uint32_t n,
                                 const std::vector<std::uint8_t>& list)
{
    std::vector<std::uint8_t> bytes;
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(magic >> shift));
    for (std::uint8_t versionByte : {std::uint8_t{0xBC}, major, std::uint8_t{0}, std::uint8_t{0}, std::uint8_t{0}})
        bytes.push_back(versionByte);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(n >> shift));
    for (std::uint8_t byte : list)
        bytes.push_back(byte);
    return bytes;
}

} // namespace

TEST(ItemList, MeasuresCopiesAndJoinsLists)
{
    CCountingAllocator allocator;
    EXPECT_EQ(CountListItems(kTwoItems.data()), 2);
    EXPECT_EQ(GetListSize(kTwoItems.data()), 9u);
    EXPECT_EQ(GetLastListItem(kTwoItems.data()), kTwoItems.data() + 4);
    EXPECT_EQ(GetLastListItem(kEmpty.data()), kEmpty.data());
    EXPECT_EQ(CountListItems(kEmpty.data()), 0);
    EXPECT_FALSE(HasListItems(kEmpty.data()));
    EXPECT_TRUE(HasListItems(kOneItem.data()));

    CItemListHolder copy(allocator, CopyList(allocator, kTwoItems.data()));
    EXPECT_EQ(BytesOf(copy.Get()), kTwoItems);
    CItemListHolder joined(allocator, ConcatenateLists(allocator, kTwoItems.data(), kOneItem.data()));
    EXPECT_EQ(BytesOf(joined.Get()),
              (std::vector<std::uint8_t>{4, 0, 'a', 'b', 3, 0, 'c', 5, 0, 'x', 'y', 'z', 0, 0}));
    CItemListHolder parent(allocator, CopyParentList(allocator, kTwoItems.data()));
    EXPECT_EQ(BytesOf(parent.Get()), (std::vector<std::uint8_t>{4, 0, 'a', 'b', 0, 0}));
    CItemListHolder oneItemParent(allocator, CopyParentList(allocator, kOneItem.data()));
    EXPECT_EQ(BytesOf(oneItemParent.Get()), kEmpty);
    CItemListHolder emptyParent(allocator, CopyParentList(allocator, kEmpty.data()));
    EXPECT_EQ(BytesOf(emptyParent.Get()), kEmpty);

    allocator.mRefuse = true;
    try {
        (void)CopyList(allocator, kOneItem.data());
        ADD_FAILURE() << "no exception";
    } catch (const std::bad_alloc& e) {
        EXPECT_STREQ(e.what(), "bad allocation");
    }
}

TEST(StoredItemList, RoundTripsAList)
{
    CCountingAllocator allocator;
    for (const auto* list : {&kTwoItems, &kEmpty}) {
        COwnedMemoryMedia media;
        WriteStoredItemList(media, list->data());
        EXPECT_EQ(std::vector<std::uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetSize()),
                  Stored(0xB0FFAAAD, 1, static_cast<std::uint32_t>(list->size()), *list));
        media.SetPosition(0);
        CItemListHolder read(allocator, ReadStoredItemList(media, allocator));
        EXPECT_EQ(BytesOf(read.Get()), *list);
        EXPECT_EQ(media.GetPosition(), media.GetSize());
    }
}

TEST(StoredItemList, RefusesFormsThatAreNotOneListOfTheirSize)
{
    const struct
    {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool allocates;
    } kCases[] = {
        {"magic", Stored(0xB0FFAAAE, 1, 9, kTwoItems), false},
        {"version 2", Stored(0xB0FFAAAD, 2, 9, kTwoItems), false},
        {"n smaller than the list", Stored(0xB0FFAAAD, 1, 7, kTwoItems), true},
        {"terminator before n - 2", Stored(0xB0FFAAAD, 1, 9, {0, 0, 'a', 'b', 3, 0, 'c', 0, 0}), true},
        {"n = 1", Stored(0xB0FFAAAD, 1, 1, {0}), false},
        {"n = 0", Stored(0xB0FFAAAD, 1, 0, {}), false},
        {"n beyond the stream", Stored(0xB0FFAAAD, 1, 10, kTwoItems), false},
        {"n of 4 GB", Stored(0xB0FFAAAD, 1, 0xFFFFFFFF, kTwoItems), false},
        {"item count 1", Stored(0xB0FFAAAD, 1, 5, {1, 0, 'a', 0, 0}), true},
        {"item past n", Stored(0xB0FFAAAD, 1, 7, {4, 0, 'a', 'b', 9, 0, 0}), true},
        {"item over the terminator", Stored(0xB0FFAAAD, 1, 6, {6, 0, 'a', 'b', 0, 0}), true},
        {"no terminator", Stored(0xB0FFAAAD, 1, 6, {4, 0, 'a', 'b', 2, 0}), true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CCountingAllocator allocator;
        COwnedMemoryMedia media(static_cast<std::int32_t>(c.bytes.size()), c.bytes.data());
        EXPECT_THROW((void)ReadStoredItemList(media, allocator), XBadFormat);
        EXPECT_EQ(allocator.mAllocations, c.allocates ? 1 : 0);
    }
}

TEST(ThrowOnShellError, MapsFailuresToTheirClasses)
{
    const struct
    {
        std::uint32_t result;
        const char* expected;
    } kCases[] = {
        {0x00000000, "none"},
        {0x00000001, "none"},
        {0x80070005, "access"},
        {0x80070015, "device"},
        {0x80070035, "network"},
        {0x80070040, "network"},
        {0x80070043, "network"},
        {0x800704DC, "network"},
        {0x80004005, "shell"},
        {0x80070002, "shell"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.result);
        std::string thrown = "none";
        try {
            ThrowOnShellError(static_cast<std::int32_t>(c.result));
        } catch (const XShellAccessDenied&) {
            thrown = "access";
        } catch (const XShellDeviceNotReady&) {
            thrown = "device";
        } catch (const XShellNetworkPathNotFound&) {
            thrown = "network";
        } catch (const XShell& e) {
            thrown = typeid(e) == typeid(XShell) ? "shell" : "other shell class";
        }
        EXPECT_EQ(thrown, c.expected);
    }
}
