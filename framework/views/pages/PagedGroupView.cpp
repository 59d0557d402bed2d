#include "framework/views/pages/PagedGroupView.h"

#include "framework/gui/windows/Window.h"

namespace NSTramvell {

CPagedGroupView::CPagedGroupView(CABCGroupView* parent, const CRect& frame) : CStandardGroupView(parent, frame) {}

void CPagedGroupView::Draw(CABCViewDrawSpec& drawSpec)
{
    if (mCurrentPage != nullptr)
        mCurrentPage->Draw(drawSpec);
}

void CPagedGroupView::FrameChanged(const CRect&, const CRect&)
{
    LayOutPages();
}

CMouseDownResult CPagedGroupView::HandleMouseDown(const CMouseEvent& event)
{
    const CPoint position = event.GetPosition();
    if (FrameContains(position) && mCurrentPage != nullptr && mCurrentPage->FrameContains(position) &&
        mCurrentPage->IsEnabled())
        return SendMouseDown(event, mCurrentPage);
    return CMouseDownResult(false);
}

void CPagedGroupView::RemoveChild(CView* child)
{
    if (child == mCurrentPage)
        mCurrentPage = nullptr;
    CStandardGroupView::RemoveChild(child);
}

void CPagedGroupView::SetCurrentPage(std::uint16_t index)
{
    SetCurrentPageView(GetChild(index));
}

void CPagedGroupView::SetCurrentPageView(CView* page)
{
    // A hidden page is out of reach of the mouse only; the keyboard would still reach a control on it.
    DropFocusFromHiddenPages(page);
    if (page == mCurrentPage)
        return;
    mCurrentPage = page;
    LayOutPages();
    Invalidate();
}

void CPagedGroupView::DropFocusFromHiddenPages(const CView* shownPage)
{
    CABCWindow* const window = GetWindow();
    if (window == nullptr)
        return;
    for (std::uint32_t index = 0; index < GetChildCount(); ++index) {
        CView* const page = GetChild(index);
        if (page == shownPage)
            continue;
        const auto* pageGroup = dynamic_cast<const CABCGroupView*>(page);
        for (const CView* focus : {window->GetFocusView(), window->GetRequestedFocusView()}) {
            if (focus != nullptr && (focus == page || (pageGroup != nullptr && IsAncestorOf(pageGroup, focus)))) {
                window->SetFocusView(nullptr);
                return;
            }
        }
    }
}

void CPagedGroupView::LayOutPages()
{
    const CRect area = GetContentRect();
    for (std::uint32_t index = 0; index < GetChildCount(); ++index) {
        CView* const page = GetChild(index);
        const CPoint topLeft = page->GetFrame()->GetTopLeft();
        if (page == mCurrentPage) {
            const std::int32_t dx = area.GetLeft() - topLeft.GetX();
            const std::int32_t dy = area.GetTop() - topLeft.GetY();
            if (dx != 0 || dy != 0)
                page->MoveBy(dx, dy);
            page->SetSize(area.GetSize());
        } else if (topLeft != CPoint(kHiddenPosition, kHiddenPosition)) {
            page->MoveBy(kHiddenPosition - topLeft.GetX(), kHiddenPosition - topLeft.GetY());
        }
    }
}

void CPagedGroupView2::RemoveChild(CView* child)
{
    SetCurrentIndex(0);
    CStandardGroupView::RemoveChild(child);
}

void CPagedGroupView2::SetCurrentIndex(std::uint32_t index)
{
    if (index == mCurrentIndex)
        return;
    mCurrentIndex = index;
    for (std::uint32_t child = 0; child < GetChildCount(); ++child) {
        if (CPagedGroupViewPage* const page = GetPage(child))
            page->SetFrame(child == index ? *GetFrame() : kHiddenFrame);
    }
}

CPagedGroupViewPage* CPagedGroupView2::GetPage(std::uint32_t index) const
{
    return index < GetChildCount() ? dynamic_cast<CPagedGroupViewPage*>(GetChild(index)) : nullptr;
}

std::uint32_t CPagedGroupView2::IndexOfPage(const CView* page) const
{
    const std::uint32_t index = IndexOfChild(page);
    return index < GetChildCount() ? index : kNoPage;
}

bool CPagedGroupView2::IsFirstPage() const
{
    return GetChildCount() != 0 && mCurrentIndex == 0;
}

bool CPagedGroupView2::IsLastPage() const
{
    return GetChildCount() != 0 && mCurrentIndex == GetChildCount() - 1;
}

void CPagedGroupView2::NextPage()
{
    if (GetChildCount() != 0 && !IsLastPage())
        SetCurrentIndex(mCurrentIndex + 1);
}

void CPagedGroupView2::NextPageWrapping()
{
    if (GetChildCount() != 0)
        SetCurrentIndex(IsLastPage() ? 0 : mCurrentIndex + 1);
}

void CPagedGroupView2::PreviousPage()
{
    if (GetChildCount() != 0 && !IsFirstPage())
        SetCurrentIndex(mCurrentIndex - 1);
}

void CPagedGroupView2::PreviousPageWrapping()
{
    if (GetChildCount() != 0)
        SetCurrentIndex(IsFirstPage() ? GetChildCount() - 1 : mCurrentIndex - 1);
}

} // namespace NSTramvell
