#include "framework/gui/shell/ShellItemList.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/modules/FrameworkConstants.h"
#include "framework/gui/application/GuiExceptions.h"

#include <cstring>

namespace NSTramvell {
namespace {

constexpr std::size_t kTerminatorSize = 2;

std::uint16_t ItemSizeAt(const std::uint8_t* item)
{
    return ReadLittleEndian16(item);
}

std::uint8_t* AllocateList(IItemListAllocator& allocator, std::size_t sizeInBytes)
{
    void* block = allocator.Allocate(sizeInBytes);
    if (block == nullptr)
        throw XOutOfMemory();
    return static_cast<std::uint8_t*>(block);
}

// The size of a list of the given bytes when they form exactly one, else 0.
std::size_t MeasureUntrustedList(const std::uint8_t* bytes, std::size_t sizeInBytes)
{
    std::size_t offset = 0;
    while (sizeInBytes - offset >= kTerminatorSize) {
        const std::uint16_t itemSize = ItemSizeAt(bytes + offset);
        if (itemSize == 0)
            return offset + kTerminatorSize;
        // Room for the whole item and a terminator after it.
        if (itemSize < 2 || itemSize > sizeInBytes - offset - kTerminatorSize)
            return 0;
        offset += itemSize;
    }
    return 0;
}

} // namespace

std::uint16_t CountListItems(const std::uint8_t* list)
{
    std::uint16_t count = 0;
    for (const std::uint8_t* item = list; ItemSizeAt(item) != 0; item += ItemSizeAt(item))
        ++count;
    return count;
}

std::size_t GetListSize(const std::uint8_t* list)
{
    std::size_t size = 0;
    while (ItemSizeAt(list + size) != 0)
        size += ItemSizeAt(list + size);
    return size + kTerminatorSize;
}

const std::uint8_t* GetLastListItem(const std::uint8_t* list)
{
    const std::uint8_t* last = list;
    for (const std::uint8_t* item = list; ItemSizeAt(item) != 0; item += ItemSizeAt(item))
        last = item;
    return last;
}

bool HasListItems(const std::uint8_t* list)
{
    return ItemSizeAt(list) != 0;
}

std::uint8_t* CopyList(IItemListAllocator& allocator, const std::uint8_t* list)
{
    const std::size_t size = GetListSize(list);
    std::uint8_t* copy = AllocateList(allocator, size);
    std::memcpy(copy, list, size);
    return copy;
}

std::uint8_t* ConcatenateLists(IItemListAllocator& allocator, const std::uint8_t* first, const std::uint8_t* second)
{
    const std::size_t firstItems = GetListSize(first) - kTerminatorSize;
    const std::size_t secondSize = GetListSize(second);
    std::uint8_t* joined = AllocateList(allocator, firstItems + secondSize);
    std::memcpy(joined, first, firstItems);
    std::memcpy(joined + firstItems, second, secondSize);
    return joined;
}

std::uint8_t* CopyParentList(IItemListAllocator& allocator, const std::uint8_t* list)
{
    std::uint8_t* parent = CopyList(allocator, list);
    if (HasListItems(parent)) {
        std::uint8_t* last = const_cast<std::uint8_t*>(GetLastListItem(parent));
        WriteLittleEndian16(last, 0);
    }
    return parent;
}

void WriteStoredItemList(CMedia& media, const std::uint8_t* list)
{
    const std::size_t size = GetListSize(list);
    media.WriteBigEndian32(kStoredItemListMagic);
    GetShellItemListFormatVersion().Write(media);
    media.WriteBigEndian32(static_cast<std::uint32_t>(size));
    media.Write(static_cast<std::int32_t>(size), list);
}

std::uint8_t* ReadStoredItemList(CMedia& media, IItemListAllocator& allocator)
{
    if (media.ReadBigEndian32() != kStoredItemListMagic)
        throw XBadFormat();
    const CVersion version(media);
    if (version.GetMajor() != GetShellItemListFormatVersion().GetMajor())
        throw XBadFormat();
    const std::uint32_t size = media.ReadBigEndian32();
    const std::int64_t remaining = static_cast<std::int64_t>(media.GetSize()) - media.GetPosition();
    if (size < kTerminatorSize || static_cast<std::int64_t>(size) > remaining)
        throw XBadFormat();
    CItemListHolder list(allocator, AllocateList(allocator, size));
    media.Read(static_cast<std::int32_t>(size), list.Get());
    if (MeasureUntrustedList(list.Get(), size) != size)
        throw XBadFormat();
    return list.Release();
}

void ThrowOnShellError(std::int32_t result)
{
    if (result >= 0)
        return;
    switch (static_cast<std::uint32_t>(result)) {
    case 0x80070005u:
        throw XShellAccessDenied();
    case 0x80070015u:
        throw XShellDeviceNotReady();
    case 0x80070035u:
    case 0x80070040u:
    case 0x80070043u:
    case 0x800704DCu:
        throw XShellNetworkPathNotFound();
    default:
        throw XShell();
    }
}

} // namespace NSTramvell
