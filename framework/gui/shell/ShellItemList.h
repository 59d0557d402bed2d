#pragma once

// The shell's identifier lists as bytes: items that each begin with their own little-endian 16-bit byte
// count, ended by a count of 0. Lists in memory come from the shell or from these helpers and are trusted;
// a stored list comes from a file and is checked whole before it is used. Lists are allocated and freed
// through the shell's allocator, which the platform code lends through IItemListAllocator.

#include <cstddef>
#include <cstdint>

namespace NSTramvell {

class CMedia;

class IItemListAllocator
{
public:
    // Null when there is no memory.
    virtual void* Allocate(std::size_t sizeInBytes) = 0;
    virtual void Free(void* block) = 0;

protected:
    ~IItemListAllocator() = default;
};

// A list owned for the holder's lifetime.
class CItemListHolder
{
public:
    CItemListHolder(IItemListAllocator& allocator, std::uint8_t* list) : mAllocator(allocator), mList(list) {}
    ~CItemListHolder()
    {
        if (mList != nullptr)
            mAllocator.Free(mList);
    }
    CItemListHolder(const CItemListHolder&) = delete;
    CItemListHolder& operator=(const CItemListHolder&) = delete;

    std::uint8_t* Get() const { return mList; }
    [[nodiscard]] std::uint8_t* Release()
    {
        std::uint8_t* list = mList;
        mList = nullptr;
        return list;
    }

private:
    IItemListAllocator& mAllocator;   // borrowed: the shell's allocator outlives every list
    std::uint8_t* mList;
};

std::uint16_t CountListItems(const std::uint8_t* list);
// In bytes, the terminator included.
std::size_t GetListSize(const std::uint8_t* list);
// The list itself when it is empty.
const std::uint8_t* GetLastListItem(const std::uint8_t* list);
bool HasListItems(const std::uint8_t* list);
// New lists, owned by the caller; no memory throws XOutOfMemory.
std::uint8_t* CopyList(IItemListAllocator& allocator, const std::uint8_t* list);
// The first list's items, then the second's.
std::uint8_t* ConcatenateLists(IItemListAllocator& allocator, const std::uint8_t* first, const std::uint8_t* second);
// Without its last item; the parent of a one-item list is the empty list.
std::uint8_t* CopyParentList(IItemListAllocator& allocator, const std::uint8_t* list);

inline constexpr std::uint32_t kStoredItemListMagic = 0xB0FFAAAD;

// Magic, format version, byte count n and the n bytes of the list.
void WriteStoredItemList(CMedia& media, const std::uint8_t* list);
// A new list, owned by the caller. Another magic or major version, or bytes that do not form one list of
// exactly n bytes (n below 2 or beyond the media's end, an item shorter than its count or running past n,
// no terminator at n - 2) throw XBadFormat; n is checked before anything is allocated.
std::uint8_t* ReadStoredItemList(CMedia& media, IItemListAllocator& allocator);

// The shell's results: one that is not negative passes; access denied, device not ready and the network
// path failures throw their own XShell classes, any other failure XShell.
void ThrowOnShellError(std::int32_t result);

} // namespace NSTramvell
