#include "framework/foundation/platform/MemoryReserve.h"

#include <algorithm>
#include <new>

namespace NSTramvell {
namespace {

std::unique_ptr<std::byte[]> AllocateBlock(std::int32_t sizeInBytes)
{
    try {
        return std::make_unique_for_overwrite<std::byte[]>(static_cast<std::size_t>(sizeInBytes));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

NSMemoryReserveInternal::TBlockAllocator gBlockAllocator = &AllocateBlock;

} // namespace

CMemoryReserve::CMemoryReserve(std::int32_t sizeInBytes)
    : mSizeInBytes(sizeInBytes)
{
    GetMemoryReserveList().Add(this);
    Allocate();
}

CMemoryReserve::~CMemoryReserve()
{
    GetMemoryReserveList().Remove(this);
}

bool CMemoryReserve::Allocate()
{
    mBlock = gBlockAllocator(mSizeInBytes);
    return mBlock != nullptr;
}

bool CMemoryReserve::IsReleased() const
{
    return mBlock == nullptr;
}

bool CMemoryReserve::IsHeld() const
{
    return mReleaseCount > 0;
}

bool CMemoryReserve::IsInPlace() const
{
    return mBlock != nullptr && mReleaseCount == 0;
}

void CMemoryReserve::GiveUp()
{
    mBlock.reset();
}

void CMemoryReserve::Release()
{
    if (mReleaseCount == 0)
        mBlock.reset();
    ++mReleaseCount;
}

CMemoryReserveRelease::CMemoryReserveRelease(CMemoryReserve& reserve)
    : mReserve(reserve)
{
    mReserve.Release();
}

CMemoryReserveRelease::~CMemoryReserveRelease()
{
    --mReserve.mReleaseCount;
    if (mReserve.mReleaseCount == 0 && !mReserve.Allocate())
        GetMemoryReserveList().NotifyLowMemory();
}

void CMemoryReserveList::Add(CMemoryReserve* reserve)
{
    mReserves.push_back(reserve);
}

void CMemoryReserveList::Remove(CMemoryReserve* reserve)
{
    std::erase(mReserves, reserve);
}

void CMemoryReserveList::SetLowMemoryListener(ILowMemoryListener* listener)
{
    mListener = listener;
}

void CMemoryReserveList::NotifyLowMemory()
{
    if (mListener != nullptr)
        mListener->EnterLowMemoryState();
}

bool CMemoryReserveList::RestoreAll()
{
    bool allRestored = true;
    for (CMemoryReserve* reserve : mReserves) {
        if (reserve->IsReleased() && !reserve->IsHeld() && !reserve->Allocate())
            allRestored = false;
    }
    return allRestored;
}

bool CMemoryReserveList::AreAllInPlace() const
{
    return std::all_of(mReserves.begin(), mReserves.end(),
                       [](const CMemoryReserve* reserve) { return reserve->IsInPlace(); });
}

bool CMemoryReserveList::FreeOneUnheldReserve()
{
    const auto inPlace = std::find_if(mReserves.begin(), mReserves.end(),
                                      [](const CMemoryReserve* reserve) { return reserve->IsInPlace(); });
    if (inPlace == mReserves.end())
        return false;
    (*inPlace)->GiveUp();
    return true;
}

CMemoryReserveList& GetMemoryReserveList()
{
    static CMemoryReserveList list;
    return list;
}

namespace NSMemoryReserveInternal {

TBlockAllocator SetBlockAllocator(TBlockAllocator allocator)
{
    const TBlockAllocator previous = gBlockAllocator;
    gBlockAllocator = allocator;
    return previous;
}

} // namespace NSMemoryReserveInternal

} // namespace NSTramvell
