#include "framework/gui/views/RootView.h"

#include "framework/gui/drawing/DrawingFunctions.h"
#include "framework/gui/windows/Window.h"

namespace NSTramvell {

CWindowRootGroupView::CWindowRootGroupView(CABCWindow* window) : CSolidColorGroupView(window) {}

CWindowRootGroupView::~CWindowRootGroupView()
{
    RemoveSizeBox();
}

void CWindowRootGroupView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    CSolidColorGroupView::FrameChanged(oldFrame, newFrame);
    PlaceSizeBox();
}

std::int32_t CWindowRootGroupView::ChildChanged()
{
    return GetWindow()->RootViewChanged();
}

void CWindowRootGroupView::DeleteAllChildren()
{
    RemoveSizeBox();
    CSolidColorGroupView::DeleteAllChildren();
}

bool CWindowRootGroupView::HandleInvalidate(const CRegion& region)
{
    GetWindow()->InvalidateRegion(region);
    return true;
}

CColor CWindowRootGroupView::GetBackgroundColor() const
{
    return GetWindow()->GetBackgroundColor();
}

void CWindowRootGroupView::AddSizeBox()
{
    if (mSizeBox != nullptr)
        return;
    mSizeBox = new CWindowSizeBoxView(this);
    PlaceSizeBox();
}

void CWindowRootGroupView::RemoveSizeBox()
{
    CWindowSizeBoxView* const sizeBox = mSizeBox;
    mSizeBox = nullptr;
    delete sizeBox;
}

void CWindowRootGroupView::PlaceSizeBox()
{
    if (mSizeBox == nullptr)
        return;
    const CRect& frame = *GetFrame();
    const CPoint corner = frame.GetBottomRight();
    if (mSizeBox->IsWindowNormal())
        mSizeBox->SetFrame(CRect(corner.GetX() - kSizeBoxSide, corner.GetY() - kSizeBoxSide, corner.GetX(),
                                 corner.GetY()));
    else
        mSizeBox->SetFrame(CRect(corner.GetX() + 1, corner.GetY() + 1, corner.GetX() + 1 + kSizeBoxSide,
                                 corner.GetY() + 1 + kSizeBoxSide));
}

CWindowSizeBoxView::CWindowSizeBoxView(CABCGroupView* parent) : CView(parent, CRect()) {}

void CWindowSizeBoxView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CWindowSizeBoxView::Draw(CABCViewDrawSpec& drawSpec)
{
    // A maximised or minimised window cannot be resized, so it shows no grip.
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    if (viewSpec == nullptr || viewSpec->GetCanvas() == nullptr || !IsWindowNormal())
        return;
    DrawSizeGrip(*viewSpec->GetCanvas(), *GetFrame());
}

} // namespace NSTramvell
