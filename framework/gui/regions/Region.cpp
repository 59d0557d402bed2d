#include "framework/gui/regions/Region.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/gui/regions/NativeRegionCalls.h"

#include <memory>

namespace NSTramvell {
namespace {

using namespace NSRegionPlatform;

constexpr std::int32_t kAnswerFailed = 0;
constexpr std::int32_t kAnswerEmpty = 1;

HRGN CreateRegionOrThrow(const CRect& rect)
{
    const HRGN handle = CreateRectangleRegion(rect.IsEmpty() ? CRect() : rect);
    if (handle == nullptr)
        throw XOutOfMemory();
    return handle;
}

// A platform region made for one step and deleted after it.
class CTemporaryRegion
{
public:
    explicit CTemporaryRegion(const CRect& rect) : mHandle(CreateRegionOrThrow(rect)) {}
    ~CTemporaryRegion() { DeleteRegion(mHandle); }
    CTemporaryRegion(const CTemporaryRegion&) = delete;
    CTemporaryRegion& operator=(const CTemporaryRegion&) = delete;
    HRGN Get() const { return mHandle; }

private:
    HRGN mHandle;
};

std::int32_t CombineOrThrow(HRGN target, HRGN first, HRGN second, std::int32_t mode)
{
    const std::int32_t answer = CombineRegions(target, first, second, mode);
    if (answer == kAnswerFailed)
        throw XBase();
    return answer;
}

} // namespace

CNativeRegion::CNativeRegion(const CRect& rect)
    : mBoundsValid(true)
    , mBounds(rect.IsEmpty() ? kNoBoundsRect : rect)
    , mHandle(CreateRegionOrThrow(rect))
{
}

CNativeRegion::CNativeRegion(HRGN adopted) noexcept : mHandle(adopted) {}

CNativeRegion* CNativeRegion::MakeCopy(const CNativeRegion& source)
{
    auto copy = std::make_unique<CNativeRegion>(CRect());
    copy->Combine(source, CRegion::kCombineCopy);
    return copy.release();
}

CNativeRegion::~CNativeRegion()
{
    DeleteRegion(mHandle);
}

void CNativeRegion::ReleaseReference() noexcept
{
    if (--mReferenceCount <= 0)
        delete this;
}

CRect CNativeRegion::GetBounds() const
{
    if (!mBoundsValid) {
        CRect box;
        const std::int32_t answer = GetRegionBox(mHandle, box);
        if (answer == kAnswerFailed)
            throw XBase();
        mBounds = answer == kAnswerEmpty ? kNoBoundsRect : box;
        mBoundsValid = true;
    }
    return mBounds;
}

bool CNativeRegion::IsEmpty() const
{
    return CombineOrThrow(mHandle, mHandle, nullptr, CRegion::kCombineCopy) == kAnswerEmpty;
}

bool CNativeRegion::Equals(const CNativeRegion& other) const
{
    if (this == &other)
        return true;
    return GetBounds() == other.GetBounds() && RegionsEqual(mHandle, other.mHandle);
}

bool CNativeRegion::EqualsRect(const CRect& rect) const
{
    if (!(GetBounds() == rect))
        return false;
    const CTemporaryRegion shape(rect);
    return RegionsEqual(mHandle, shape.Get());
}

bool CNativeRegion::ContainsPoint(const CPoint& point) const
{
    return GetBounds().Contains(point) && RegionContainsPoint(mHandle, point.GetX(), point.GetY());
}

bool CNativeRegion::IntersectsRect(const CRect& rect) const
{
    CRect inside = GetBounds();
    if (!inside.Intersect(rect))
        return false;
    return RegionMeetsRect(mHandle, inside);
}

bool CNativeRegion::IntersectsRegion(const CNativeRegion& other) const
{
    if (!IntersectsRect(other.GetBounds()))
        return false;
    const CTemporaryRegion common{CRect()};
    return CombineOrThrow(common.Get(), mHandle, other.mHandle, CRegion::kCombineIntersect) != kAnswerEmpty;
}

void CNativeRegion::Combine(const CNativeRegion& other, std::int32_t mode)
{
    mBoundsValid = false;
    if (mode == CRegion::kCombineCopy)
        CombineOrThrow(mHandle, other.mHandle, nullptr, mode);
    else
        CombineOrThrow(mHandle, mHandle, other.mHandle, mode);
}

void CNativeRegion::CombineRect(const CRect& rect, std::int32_t mode)
{
    CRect shape = rect;
    if (mode == CRegion::kCombineIntersect)
        shape.Intersect(GetBounds());
    else if (mode == CRegion::kCombineDifference && !GetBounds().Intersects(rect))
        return;
    const CTemporaryRegion temporary(shape);
    mBoundsValid = false;
    CombineOrThrow(mHandle, mHandle, temporary.Get(), mode);
}

void CNativeRegion::Offset(std::int32_t dx, std::int32_t dy)
{
    mBoundsValid = false;
    OffsetRegion(mHandle, dx, dy);
}

CRegion::CRegion(const CRect& rect) noexcept : mKind(kEmpty), mNative(nullptr)
{
    CRect clipped = rect;
    clipped.Intersect(kLargestRect);
    if (clipped.IsEmpty())
        return;
    if (clipped == kEverythingRect) {
        mKind = kEverything;
        return;
    }
    mKind = kRectangle;
    mRect = clipped;
}

CRegion::CRegion(CNativeRegion* shared) noexcept : mKind(kNative), mNative(shared)
{
    mNative->AddReference();
}

CRegion::CRegion(const CRegion& other) noexcept : mKind(kEmpty), mNative(nullptr)
{
    *this = other;
}

CRegion& CRegion::operator=(const CRegion& other) noexcept
{
    if (this == &other || other.mKind == kReleased)
        return *this;
    if (other.mKind == kNative)
        other.mNative->AddReference();
    Release();
    mKind = other.mKind;
    mNative = other.mKind == kNative ? other.mNative : nullptr;
    mRect = other.mRect;
    return *this;
}

CRegion::~CRegion()
{
    Release();
    mKind = kReleased;
}

void CRegion::Release() noexcept
{
    if (mKind == kNative && mNative != nullptr)
        mNative->ReleaseReference();
    mNative = nullptr;
    mKind = kReleased;
}

CRegion CRegion::FromNative(HRGN handle)
{
    auto adopted = std::make_unique<CNativeRegion>(handle);
    const CRect bounds = adopted->GetBounds();
    if (bounds == kNoBoundsRect)
        return CRegion();
    if (adopted->EqualsRect(bounds))
        return CRegion(bounds);
    return CRegion(adopted.release());
}

bool CRegion::IsEmpty() const
{
    switch (mKind) {
    case kEverything:
        return false;
    case kRectangle:
        return mRect.IsEmpty();
    case kNative:
        return mNative->IsEmpty();
    default:
        return true;
    }
}

CRect CRegion::GetBounds() const
{
    switch (mKind) {
    case kEverything:
        return kEverythingRect;
    case kRectangle:
        return mRect;
    case kNative:
        return mNative->GetBounds();
    default:
        return kNoBoundsRect;
    }
}

bool CRegion::ContainsPoint(const CPoint& point) const
{
    switch (mKind) {
    case kEverything:
        return true;
    case kRectangle:
        return mRect.Contains(point);
    case kNative:
        return mNative->ContainsPoint(point);
    default:
        return false;
    }
}

bool CRegion::IntersectsRect(const CRect& rect) const
{
    switch (mKind) {
    case kEverything:
        return true;
    case kRectangle:
        return mRect.Intersects(rect);
    case kNative:
        return mNative->IntersectsRect(rect);
    default:
        return false;
    }
}

bool CRegion::IntersectsRegion(const CRegion& other) const
{
    const auto hasNothing = [](std::int32_t kind) { return kind == kEmpty || kind == kReleased; };
    if (hasNothing(mKind) || hasNothing(other.mKind))
        return false;
    if (mKind == kEverything || other.mKind == kEverything)
        return true;
    if (mKind == kRectangle && other.mKind == kRectangle)
        return mRect.Intersects(other.mRect);
    if (mKind == kRectangle)
        return other.mNative->IntersectsRect(mRect);
    if (other.mKind == kRectangle)
        return mNative->IntersectsRect(other.mRect);
    return mNative->IntersectsRegion(*other.mNative);
}

void CRegion::MakeEmpty() noexcept
{
    Release();
    mKind = kEmpty;
}

void CRegion::SetRect(const CRect& rect) noexcept
{
    Release();
    mKind = kRectangle;
    mRect = rect;
}

void CRegion::EmptyIfNativeIsEmpty()
{
    if (mKind == kNative && mNative->IsEmpty())
        MakeEmpty();
}

CNativeRegion& CRegion::PrepareNativeChange()
{
    MakeNative();
    MakeUnique();
    return *mNative;
}

void CRegion::IntersectRect(const CRect& rect)
{
    if (mKind == kEmpty || mKind == kReleased)
        return;
    // Nothing is common with an empty rectangle; kept as one, it would reach the platform as pixels.
    if (rect.IsEmpty()) {
        MakeEmpty();
        return;
    }
    if (mKind == kEverything) {
        SetRect(rect);
    } else if (mKind == kRectangle) {
        if (!mRect.Intersect(rect))
            MakeEmpty();
    } else {
        PrepareNativeChange().CombineRect(rect, kCombineIntersect);
        EmptyIfNativeIsEmpty();
    }
}

void CRegion::IntersectRegion(const CRegion& other)
{
    if (mKind == kEverything) {
        *this = other;
        return;
    }
    if (mKind == kEmpty || mKind == kReleased || other.mKind == kEverything || other.mKind == kReleased)
        return;
    if (other.mKind == kEmpty) {
        MakeEmpty();
    } else if (other.mKind == kRectangle) {
        IntersectRect(other.mRect);
    } else {
        PrepareNativeChange().Combine(*other.mNative, kCombineIntersect);
        EmptyIfNativeIsEmpty();
    }
}

void CRegion::Unite(const CRegion& other)
{
    if (mKind == kEverything || mKind == kReleased || other.mKind == kEmpty || other.mKind == kReleased)
        return;
    if (other.mKind == kEverything) {
        Release();
        mKind = kEverything;
    } else if (other.mKind == kRectangle) {
        if (mKind == kEmpty)
            *this = other;
        else
            AddRect(other.mRect);
    } else {
        PrepareNativeChange().Combine(*other.mNative, kCombineUnion);
    }
}

void CRegion::AddRect(const CRect& rect)
{
    switch (mKind) {
    case kEmpty:
        SetRect(rect);
        return;
    case kRectangle:
        if (rect.IsInside(mRect))
            return;
        if (mRect.IsInside(rect)) {
            mRect = rect;
            return;
        }
        PrepareNativeChange().CombineRect(rect, kCombineUnion);
        return;
    case kNative:
        PrepareNativeChange().CombineRect(rect, kCombineUnion);
        return;
    default:
        return;
    }
}

void CRegion::Xor(const CRegion& other)
{
    if (mKind == kReleased || other.mKind == kReleased)
        return;
    CRegion shape(other);
    shape.MakeNative();
    PrepareNativeChange().Combine(*shape.mNative, kCombineXor);
    EmptyIfNativeIsEmpty();
}

void CRegion::XorRect(const CRect& rect)
{
    if (rect.IsEmpty() || mKind == kReleased)
        return;
    if (mKind == kEmpty) {
        *this = CRegion(rect);
    } else if (mKind == kEverything) {
        *this = CRegion(kEverythingRect);
        Xor(CRegion(rect));
    } else {
        PrepareNativeChange().CombineRect(rect, kCombineXor);
    }
}

void CRegion::SubtractRect(const CRect& rect)
{
    if (mKind == kEverything || mKind == kNative || (mKind == kRectangle && mRect.Intersects(rect)))
        PrepareNativeChange().CombineRect(rect, kCombineDifference);
}

void CRegion::Subtract(const CRegion& other)
{
    if (mKind == kReleased || other.mKind == kReleased)
        return;
    if (other.mKind == kRectangle) {
        SubtractRect(other.mRect);
        return;
    }
    CRegion shape(other);
    shape.MakeNative();
    PrepareNativeChange().Combine(*shape.mNative, kCombineDifference);
    EmptyIfNativeIsEmpty();
}

void CRegion::Offset(std::int32_t dx, std::int32_t dy)
{
    if (mKind == kRectangle)
        mRect.Offset(dx, dy);
    else if (mKind == kNative)
        PrepareNativeChange().Offset(dx, dy);
}

void CRegion::MakeNative()
{
    CRect shape;
    switch (mKind) {
    case kEmpty:
        shape = kNoBoundsRect;
        break;
    case kEverything:
        shape = kEverythingRect;
        break;
    case kRectangle:
        shape = mRect;
        break;
    default:
        return;
    }
    CNativeRegion* const made = new CNativeRegion(shape);
    made->AddReference();
    mNative = made;
    mKind = kNative;
}

CNativeRegion* CRegion::GetNative()
{
    MakeNative();
    return mKind == kNative ? mNative : nullptr;
}

void CRegion::MakeUnique()
{
    if (mKind != kNative || mNative->GetReferenceCount() <= 1)
        return;
    CNativeRegion* const copy = CNativeRegion::MakeCopy(*mNative);
    copy->AddReference();
    mNative->ReleaseReference();
    mNative = copy;
}

} // namespace NSTramvell
