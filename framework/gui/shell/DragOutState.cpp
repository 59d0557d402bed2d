#include "framework/gui/shell/DragOutState.h"

#include "framework/gui/views/View.h"

namespace NSTramvell {

CDragOutItem::CDragOutItem(const CRegion& region)
    : mRegion(region)
{
}

CDragOutItem::~CDragOutItem() = default;

void CDragOutItem::AddFlavour(const CClippingType& flavour, CMedia& data)
{
    COwnedMemoryMedia copy(data);
    copy.SetPosition(0);
    mFlavours.push_back(CFlavourEntry{flavour, std::move(copy)});
}

CDragOutState::CDragOutState(CView& source, const CRegion& outline)
    : mOutline(outline)
    , mSource(source)
{
    BeginTracking(&mSource);
}

CDragOutState::~CDragOutState()
{
    while (!mItems.empty())
        mItems.pop_back();
    EndTrackingIfTracking(&mSource);
}

void CDragOutState::AddItem(std::unique_ptr<CDragOutItem> item)
{
    mItems.push_back(std::move(item));
}

} // namespace NSTramvell
