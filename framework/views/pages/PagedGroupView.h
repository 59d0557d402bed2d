#pragma once

// Groups that show one of their children (pages) at a time in the same frame. Hidden pages stay in the
// view tree: CPagedGroupView moves them far outside the window, so that they and the native controls on
// them are out of sight and out of reach of the mouse; switching pages is one call. CPagedGroupView2 is
// the index-based variant with page stepping, whose pages are CPagedGroupViewPage groups. Neither owns its
// pages.

#include "framework/gui/views/GroupView.h"

#include <cstdint>

namespace NSTramvell {

class CPagedGroupView : public CStandardGroupView
{
public:
    // Where hidden pages lie, on both axes.
    static constexpr std::int32_t kHiddenPosition = -16384;

    CPagedGroupView(CABCGroupView* parent, const CRect& frame);

    void EnabledChanged(bool) override {}
    // Only the current page draws; the paged view has no background of its own.
    void Draw(CABCViewDrawSpec& drawSpec) override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    // The current page, when removed, leaves the view showing nothing.
    void RemoveChild(CView* child) override;

    // The index must name an existing page.
    void SetCurrentPage(std::uint16_t index);
    void SetCurrentPageView(CView* page);
    CView* GetCurrentPage() const { return mCurrentPage; }

private:
    void DropFocusFromHiddenPages(const CView* shownPage);
    void LayOutPages();

    CView* mCurrentPage = nullptr;   // borrowed: one of the children, or null
};

class CPagedGroupViewPage : public CStandardGroupView
{
public:
    explicit CPagedGroupViewPage(CABCGroupView* parent) : CStandardGroupView(parent) {}
    CPagedGroupViewPage(CABCGroupView* parent, const CRect& frame) : CStandardGroupView(parent, frame) {}
};

class CPagedGroupView2 : public CStandardGroupView
{
public:
    // The frame every page but the current one gets.
    static constexpr CRect kHiddenFrame{-10000, -10000, -9990, -9990};
    static constexpr std::uint32_t kNoPage = 666;

    CPagedGroupView2(CABCGroupView* parent, const CRect& frame) : CStandardGroupView(parent, frame) {}

    // Selects page 0 first, so the page shown never goes away under the index.
    void RemoveChild(CView* child) override;

    void SetCurrentIndex(std::uint32_t index);
    std::uint32_t GetCurrentIndex() const { return mCurrentIndex; }
    // Null for an index past the pages or a child that is no CPagedGroupViewPage.
    CPagedGroupViewPage* GetPage(std::uint32_t index) const;
    // kNoPage when the view is not one of the pages.
    std::uint32_t IndexOfPage(const CView* page) const;
    bool IsFirstPage() const;
    bool IsLastPage() const;
    // The steps do nothing on a view without pages.
    void NextPage();
    void NextPageWrapping();
    void PreviousPage();
    void PreviousPageWrapping();

private:
    std::uint32_t mCurrentIndex = 0;
};

} // namespace NSTramvell
