#include "framework/gui/shell/DragItems.h"

namespace NSTramvell {

CABCInDragItem::~CABCInDragItem() = default;

CABCInDrag::~CABCInDrag() = default;

bool DragHasFlavour(const CABCInDrag& drag, const CClippingType& flavour)
{
    const std::int16_t count = drag.GetItemCount();
    for (std::int16_t index = 0; index < count; ++index) {
        if (drag.GetItem(index).HasFlavour(flavour))
            return true;
    }
    return false;
}

CSimpleInDragItem::CSimpleInDragItem(const CClippingType& flavour, CMedia& data)
    : mFlavour(flavour)
    , mData(data)
{
    mData.SetPosition(0);
}

bool CSimpleInDragItem::HasFlavour(const CClippingType& flavour) const
{
    return flavour.GetString() == mFlavour.GetString();
}

std::unique_ptr<CMedia> CSimpleInDragItem::CreateMedia(const CClippingType&) const
{
    auto copy = std::make_unique<COwnedMemoryMedia>(mData);
    copy->SetPosition(0);
    return copy;
}

CSimpleInDrag::CSimpleInDrag(const CClippingType& flavour, CMedia& data)
    : mItem(flavour, data)
{
}

const CABCInDragItem& CSimpleInDrag::GetItem(std::int16_t) const
{
    return mItem;
}

CDragEvent::CDragEvent(std::int32_t kind, const CPoint& position, const CModifierKeys& first,
                       const CModifierKeys& second, const CModifierKeys& third)
    : mKind(kind)
    , mPosition(position)
    , mFirst(first)
    , mSecond(second)
    , mThird(third)
{
}

std::int32_t CDragEvent::GetDragAction() const
{
    return mSecond.IsControlDown() || mThird.IsControlDown() ? kDragCopies : kDragMoves;
}

} // namespace NSTramvell
