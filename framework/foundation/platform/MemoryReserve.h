#pragma once

// Blocks of memory kept in reserve: freeing one while an operation runs short of memory gives the program
// room to report the condition and recover. Everything here runs on the user-interface thread.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace NSTramvell {

// Told when a reserve could not be restored (the application object).
class ILowMemoryListener
{
public:
    virtual void EnterLowMemoryState() = 0;

protected:
    ~ILowMemoryListener() = default;   // never deleted through this interface
};

// One reserve, entered in the process-wide list for its lifetime. It is in place (block held, no holder),
// released (no block, held), or lost (no block, not held: a restore failed, RestoreAll tries again).
class CMemoryReserve
{
public:
    // A failed allocation here leaves the reserve lost; nothing is thrown.
    explicit CMemoryReserve(std::int32_t sizeInBytes);
    ~CMemoryReserve();
    CMemoryReserve(const CMemoryReserve&) = delete;
    CMemoryReserve& operator=(const CMemoryReserve&) = delete;

    // False when memory is exhausted.
    bool Allocate();
    bool IsReleased() const;
    bool IsHeld() const;
    // Block allocated and no holder.
    bool IsInPlace() const;
    // Frees the block on the first release and counts the holders.
    void Release();
    // Frees the block of a reserve in place for good (a shortage); RestoreAll brings it back.
    void GiveUp();

private:
    friend class CMemoryReserveRelease;

    std::int32_t mSizeInBytes;
    std::unique_ptr<std::byte[]> mBlock;   // null while released or lost
    std::int16_t mReleaseCount = 0;
};

// Keeps a reserve released for its lifetime; the last holder to end allocates the block again and tells
// the low-memory listener when that fails.
class CMemoryReserveRelease
{
public:
    explicit CMemoryReserveRelease(CMemoryReserve& reserve);
    ~CMemoryReserveRelease();
    CMemoryReserveRelease(const CMemoryReserveRelease&) = delete;
    CMemoryReserveRelease& operator=(const CMemoryReserveRelease&) = delete;

private:
    CMemoryReserve& mReserve;   // borrowed: the reserve outlives the holder
};

class CMemoryReserveList
{
public:
    void Add(CMemoryReserve* reserve);
    void Remove(CMemoryReserve* reserve);
    void SetLowMemoryListener(ILowMemoryListener* listener);
    void NotifyLowMemory();
    // Allocates every block that is missing and not held; false when one of those allocations failed.
    bool RestoreAll();
    bool AreAllInPlace() const;
    // Gives up the first reserve in place; false when there is none.
    bool FreeOneUnheldReserve();

private:
    std::vector<CMemoryReserve*> mReserves;        // borrowed: each reserve removes itself when it dies
    ILowMemoryListener* mListener = nullptr;       // borrowed: the application object
};

CMemoryReserveList& GetMemoryReserveList();

namespace NSMemoryReserveInternal {
// Every reserve block comes from this function, so that a test can make allocations fail; it returns
// null when memory is exhausted. SetBlockAllocator returns the previous function.
using TBlockAllocator = std::unique_ptr<std::byte[]> (*)(std::int32_t sizeInBytes);
TBlockAllocator SetBlockAllocator(TBlockAllocator allocator);
} // namespace NSMemoryReserveInternal

} // namespace NSTramvell
