#pragma once

// Data dragged onto a window from elsewhere: a drag holds items, each offering its data in one or more
// flavours. The simple drag holds one item with one flavour. The drag event record tells where the drag is
// and which modifier keys go with it.

#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/RulingString.h"
#include "framework/gui/geometry/Point.h"
#include "framework/gui/input/ModifierKeys.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CABCInDragItem
{
public:
    virtual ~CABCInDragItem();
    virtual bool HasFlavour(const CClippingType& flavour) const = 0;
    // The item's data in the flavour, for the caller.
    virtual std::unique_ptr<CMedia> CreateMedia(const CClippingType& flavour) const = 0;
};

class CABCInDrag
{
public:
    virtual ~CABCInDrag();
    virtual std::int16_t GetItemCount() const = 0;
    virtual const CABCInDragItem& GetItem(std::int16_t index) const = 0;
};

// True when any item, asked in index order, has the flavour.
bool DragHasFlavour(const CABCInDrag& drag, const CClippingType& flavour);

// One flavour with a copy of the data given.
class CSimpleInDragItem : public CABCInDragItem
{
public:
    CSimpleInDragItem(const CClippingType& flavour, CMedia& data);
    bool HasFlavour(const CClippingType& flavour) const override;
    // A copy of the data whatever flavour is asked for: the caller asks only for the one the item has.
    std::unique_ptr<CMedia> CreateMedia(const CClippingType& flavour) const override;

private:
    CClippingType mFlavour;
    COwnedMemoryMedia mData;
};

class CSimpleInDrag : public CABCInDrag
{
public:
    CSimpleInDrag(const CClippingType& flavour, CMedia& data);
    std::int16_t GetItemCount() const override { return 1; }
    // Every index yields the one item.
    const CABCInDragItem& GetItem(std::int16_t index) const override;

private:
    CSimpleInDragItem mItem;
};

inline constexpr std::int32_t kDragCopies = 24;
inline constexpr std::int32_t kDragMoves = 25;

class CDragEvent
{
public:
    CDragEvent(std::int32_t kind, const CPoint& position, const CModifierKeys& first, const CModifierKeys& second,
               const CModifierKeys& third);

    std::int32_t GetKind() const { return mKind; }
    const CPoint& GetPosition() const { return mPosition; }
    const CModifierKeys& GetFirstModifiers() const { return mFirst; }
    const CModifierKeys& GetSecondModifiers() const { return mSecond; }
    const CModifierKeys& GetThirdModifiers() const { return mThird; }
    // A copy when Control is held in the second or the third record, else a move.
    std::int32_t GetDragAction() const;

private:
    std::int32_t mKind;
    CPoint mPosition;
    CModifierKeys mFirst;
    CModifierKeys mSecond;
    CModifierKeys mThird;
};

} // namespace NSTramvell
