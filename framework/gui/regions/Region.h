#pragma once

// CRegion, the framework's area value: what a view invalidates and what a canvas clips to. Nothing,
// everything and one rectangle are kept inline and never allocate; other shapes are a platform region,
// shared between copies by a reference count and copied before one copy changes it.
//
// Empty stays empty across the platform: the platform would turn an inverted rectangle such as
// kNoBoundsRect into a region covering pixels, so every empty shape becomes the platform's empty
// region, and an empty platform region comes back as the empty kind.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>

struct HRGN__;
typedef struct HRGN__* HRGN;

namespace NSTramvell {

inline constexpr CRect kEverythingRect(-32767, -32767, 32767, 32767);
inline constexpr CRect kNoBoundsRect(0, 0, -1, -1);
inline constexpr CRect kLargestRect(-32768, -32768, 32767, 32767);
inline constexpr CPoint kZeroPoint(0, 0);

// One platform region shared by the CRegion values that hold it; the last one to let go deletes it.
class CNativeRegion
{
public:
    // Throws XOutOfMemory when the platform cannot make the region.
    explicit CNativeRegion(const CRect& rect);
    // Takes over the handle.
    explicit CNativeRegion(HRGN adopted) noexcept;
    // A private copy of the source's shape; XOutOfMemory or XBase on failure, nothing left behind.
    static CNativeRegion* MakeCopy(const CNativeRegion& source);
    ~CNativeRegion();
    CNativeRegion(const CNativeRegion&) = delete;
    CNativeRegion& operator=(const CNativeRegion&) = delete;

    void AddReference() noexcept { ++mReferenceCount; }
    // Deletes the object when the last reference goes.
    void ReleaseReference() noexcept;
    std::int32_t GetReferenceCount() const noexcept { return mReferenceCount; }
    HRGN GetHandle() const noexcept { return mHandle; }

    // kNoBoundsRect for an empty region; XBase when the platform cannot tell.
    CRect GetBounds() const;
    bool IsEmpty() const;
    bool Equals(const CNativeRegion& other) const;
    bool EqualsRect(const CRect& rect) const;
    bool ContainsPoint(const CPoint& point) const;
    bool IntersectsRect(const CRect& rect) const;
    bool IntersectsRegion(const CNativeRegion& other) const;

    // Mode is one of the kCombine values; XBase when the platform fails.
    void Combine(const CNativeRegion& other, std::int32_t mode);
    void CombineRect(const CRect& rect, std::int32_t mode);
    void Offset(std::int32_t dx, std::int32_t dy);

private:
    std::int32_t mReferenceCount = 0;
    mutable bool mBoundsValid = false;
    mutable CRect mBounds;
    HRGN mHandle;
};

class CRegion
{
public:
    static constexpr std::int32_t kEmpty = 0;
    static constexpr std::int32_t kEverything = 1;
    static constexpr std::int32_t kRectangle = 2;
    static constexpr std::int32_t kNative = 3;
    static constexpr std::int32_t kReleased = 4;

    static constexpr std::int32_t kCombineIntersect = 1;
    static constexpr std::int32_t kCombineUnion = 2;
    static constexpr std::int32_t kCombineXor = 3;
    static constexpr std::int32_t kCombineDifference = 4;
    static constexpr std::int32_t kCombineCopy = 5;

    CRegion() noexcept : mKind(kEmpty), mNative(nullptr) {}
    // Clipped to kLargestRect first: empty gives kEmpty, kEverythingRect gives kEverything.
    explicit CRegion(const CRect& rect) noexcept;
    explicit CRegion(CNativeRegion* shared) noexcept;
    CRegion(const CRegion& other) noexcept;
    CRegion& operator=(const CRegion& other) noexcept;
    ~CRegion();

    // Takes over the platform region; a plain rectangle or nothing comes back inline.
    static CRegion FromNative(HRGN handle);

    std::int32_t GetKind() const noexcept { return mKind; }
    bool IsEmpty() const;
    CRect GetBounds() const;
    bool ContainsPoint(const CPoint& point) const;
    bool IntersectsRect(const CRect& rect) const;
    bool IntersectsRegion(const CRegion& other) const;

    void MakeEmpty() noexcept;
    // Exactly the rectangle, unclipped.
    void SetRect(const CRect& rect) noexcept;
    void IntersectRect(const CRect& rect);
    void IntersectRegion(const CRegion& other);
    void Unite(const CRegion& other);
    void AddRect(const CRect& rect);
    void Xor(const CRegion& other);
    void XorRect(const CRect& rect);
    void Subtract(const CRegion& other);
    void SubtractRect(const CRect& rect);
    void Offset(std::int32_t dx, std::int32_t dy);

    void MakeNative();
    // The shared platform region, made first when needed.
    CNativeRegion* GetNative();
    void MakeUnique();

private:
    void Release() noexcept;
    // After a native operation that may have emptied the region.
    void EmptyIfNativeIsEmpty();
    CNativeRegion& PrepareNativeChange();

    std::int32_t mKind;
    CNativeRegion* mNative;   // shared, counted: meaningful in kNative only
    CRect mRect;              // meaningful in kRectangle only
};

} // namespace NSTramvell
