#include "framework/views/pages/PagedGroupView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace NSTramvell;
using NSGuiTest::CTestView;
using NSGuiTest::CTestWindow;

namespace {

constexpr CPoint kHidden(CPagedGroupView::kHiddenPosition, CPagedGroupView::kHiddenPosition);
const CRect kArea(10, 20, 210, 120);

// Draws by logging its name.
class CLoggingView : public CTestView
{
public:
    using CTestView::CTestView;
    void Draw(CABCViewDrawSpec&) override { mLog->push_back(mName + ":draw"); }
};

class CFocusView : public CLoggingView, public IFocusTarget
{
public:
    using CLoggingView::CLoggingView;
};

// A paged view of three pages, each 50 × 40 at the origin, each holding one control at (5, 5, 25, 15).
class PagedGroupViewTest : public testing::Test
{
protected:
    PagedGroupViewTest() : mWindow(std::make_unique<CTestWindow>())
    {
        mWindow->ShowWithBounds(CRect(0, 0, 300, 200));
        mPaged = new CPagedGroupView(mWindow->GetRootView(), kArea);
        for (int index = 0; index < 3; ++index) {
            mPages.push_back(new CStandardGroupView(mPaged, CRect(0, 0, 50, 40)));
            mControls.push_back(new CFocusView(mPages.back(), CRect(5, 5, 25, 15), "control" + std::to_string(index),
                                               &mLog));
        }
    }

    // The client area that waits for painting, empty when none does.
    CRect PendingPaint() const
    {
        RECT pending{};
        if (!::GetUpdateRect(mWindow->GetWindowHandle(), &pending, FALSE))
            return CRect();
        return CRect(pending.left, pending.top, pending.right, pending.bottom);
    }

    NSGuiTest::CWatchdog mWatchdog;
    std::unique_ptr<CTestWindow> mWindow;
    std::vector<std::string> mLog;
    CPagedGroupView* mPaged;
    std::vector<CStandardGroupView*> mPages;
    std::vector<CTestView*> mControls;
};

} // namespace

TEST_F(PagedGroupViewTest, ASwitchShowsOnePageAndPutsTheOthersWithTheirControlsOutOfTheWindow)
{
    EXPECT_EQ(mPaged->GetCurrentPage(), nullptr);
    mPaged->SetCurrentPage(1);
    EXPECT_EQ(mPaged->GetCurrentPage(), mPages[1]);
    EXPECT_EQ(*mPages[1]->GetFrame(), kArea);
    EXPECT_EQ(*mControls[1]->GetFrame(), CRect(15, 25, 35, 35));
    for (int hidden : {0, 2}) {
        SCOPED_TRACE(hidden);
        EXPECT_EQ(mPages[hidden]->GetFrame()->GetTopLeft(), kHidden);
        EXPECT_EQ(mPages[hidden]->GetFrame()->GetSize(), CPoint(50, 40));
        EXPECT_EQ(mControls[hidden]->GetFrame()->GetTopLeft(), CPoint(kHidden.GetX() + 5, kHidden.GetY() + 5));
    }

    // Back again: the page returns to the area, the other leaves; a hidden page stays where it is.
    mPaged->SetCurrentPage(0);
    EXPECT_EQ(*mPages[0]->GetFrame(), kArea);
    EXPECT_EQ(*mControls[0]->GetFrame(), CRect(15, 25, 35, 35));
    EXPECT_EQ(mPages[1]->GetFrame()->GetTopLeft(), kHidden);
    EXPECT_EQ(mControls[1]->GetFrame()->GetTopLeft(), CPoint(kHidden.GetX() + 5, kHidden.GetY() + 5));
    EXPECT_EQ(mControls[2]->GetFrame()->GetTopLeft(), CPoint(kHidden.GetX() + 5, kHidden.GetY() + 5));

    // A new frame takes the current page with it.
    mPaged->SetFrame(CRect(30, 30, 130, 90));
    EXPECT_EQ(*mPages[0]->GetFrame(), CRect(30, 30, 130, 90));
    EXPECT_EQ(*mControls[0]->GetFrame(), CRect(35, 35, 55, 45));
}

TEST_F(PagedGroupViewTest, OnlyASwitchInvalidatesTheView)
{
    mPaged->SetCurrentPage(2);
    mWindow->UpdateNow();
    ASSERT_TRUE(PendingPaint().IsEmpty());

    mPaged->SetCurrentPage(2);
    EXPECT_TRUE(PendingPaint().IsEmpty());
    mPaged->SetCurrentPageView(mPages[2]);
    EXPECT_TRUE(PendingPaint().IsEmpty());

    mPaged->SetCurrentPage(0);
    EXPECT_EQ(PendingPaint(), kArea);
}

TEST_F(PagedGroupViewTest, OnlyTheCurrentPageDrawsAndTakesPresses)
{
    CPrimitiveOffscreenDrawSpec noCanvas(nullptr);
    mPaged->Draw(noCanvas);
    EXPECT_TRUE(mLog.empty());

    mPaged->SetCurrentPage(1);
    mPaged->Draw(noCanvas);
    EXPECT_EQ(mLog, std::vector<std::string>{"control1:draw"});

    mLog.clear();
    const CMouseEvent onControl(CMouseEvent::kPress, CPoint(20, 30), 0, CModifierKeys(), false);
    const CMouseEvent onHiddenControl(CMouseEvent::kPress, CPoint(kHidden.GetX() + 10, kHidden.GetY() + 10), 0,
                                      CModifierKeys(), false);
    EXPECT_EQ(mPaged->HandleMouseDown(onControl).GetValue(), CMouseDownResult::kHandled);
    EXPECT_EQ(mPaged->HandleMouseDown(onHiddenControl).GetValue(), CMouseDownResult::kNotHandled);
    EXPECT_EQ(mLog, std::vector<std::string>{"control1:press"});

    mLog.clear();
    mPages[1]->SetEnabled(false);
    EXPECT_EQ(mPaged->HandleMouseDown(onControl).GetValue(), CMouseDownResult::kNotHandled);
    EXPECT_TRUE(mLog.empty());
}

TEST_F(PagedGroupViewTest, RemovingTheCurrentPageShowsNothing)
{
    mPaged->SetCurrentPage(1);
    delete mPages[1];
    EXPECT_EQ(mPaged->GetCurrentPage(), nullptr);
    EXPECT_EQ(mPaged->GetChildCount(), 2u);

    CPrimitiveOffscreenDrawSpec noCanvas(nullptr);
    mPaged->Draw(noCanvas);
    const CMouseEvent press(CMouseEvent::kPress, CPoint(20, 30), 0, CModifierKeys(), false);
    EXPECT_EQ(mPaged->HandleMouseDown(press).GetValue(), CMouseDownResult::kNotHandled);
    EXPECT_TRUE(mLog.empty());

    // Removing a page that is not shown keeps the current one.
    mPaged->SetCurrentPage(0);
    delete mPages[2];
    EXPECT_EQ(mPaged->GetCurrentPage(), mPages[0]);
}

TEST_F(PagedGroupViewTest, AHiddenPageTakesTheKeyboardFocusWithIt)
{
    auto* outside = new CFocusView(mWindow->GetRootView(), CRect(250, 0, 260, 10));
    mPaged->SetCurrentPage(0);

    mWindow->SetFocusView(mControls[0]);
    mPaged->SetCurrentPage(0);
    EXPECT_EQ(mWindow->GetRequestedFocusView(), mControls[0]);
    mPaged->SetCurrentPage(1);
    EXPECT_EQ(mWindow->GetRequestedFocusView(), nullptr);

    // The page itself, when it holds the focus.
    mWindow->SetFocusView(mPages[1]);
    mPaged->SetCurrentPage(2);
    EXPECT_EQ(mWindow->GetRequestedFocusView(), nullptr);

    // Focus elsewhere in the window stays.
    mWindow->SetFocusView(outside);
    mPaged->SetCurrentPage(0);
    EXPECT_EQ(mWindow->GetRequestedFocusView(), outside);

    // Forced back onto a hidden page, it is dropped on the next selection, even of the page already shown.
    mWindow->SetFocusView(mControls[2]);
    mPaged->SetCurrentPage(0);
    EXPECT_EQ(mWindow->GetRequestedFocusView(), nullptr);
}

TEST(CPagedGroupView2, SelectingAnIndexGivesThatPageTheFrameAndParksTheOthers)
{
    CTestWindow window;
    const CRect frame(5, 5, 105, 65);
    auto* paged = new CPagedGroupView2(window.GetRootView(), frame);
    std::vector<CPagedGroupViewPage*> pages;
    for (int index = 0; index < 3; ++index)
        pages.push_back(new CPagedGroupViewPage(paged, CRect(0, 0, 10, 10)));
    auto* notAPage = new CTestView(paged, CRect(0, 0, 7, 7));

    paged->SetCurrentIndex(1);
    EXPECT_EQ(*pages[1]->GetFrame(), frame);
    EXPECT_EQ(*pages[0]->GetFrame(), CPagedGroupView2::kHiddenFrame);
    EXPECT_EQ(*pages[2]->GetFrame(), CPagedGroupView2::kHiddenFrame);
    EXPECT_EQ(*notAPage->GetFrame(), CRect(0, 0, 7, 7));

    EXPECT_EQ(paged->GetPage(2), pages[2]);
    EXPECT_EQ(paged->GetPage(3), nullptr);
    EXPECT_EQ(paged->GetPage(9), nullptr);
    EXPECT_EQ(paged->IndexOfPage(pages[2]), 2u);
    EXPECT_EQ(paged->IndexOfPage(window.GetRootView()), CPagedGroupView2::kNoPage);

    // Removing a page goes back to page 0 first.
    paged->SetCurrentIndex(2);
    delete pages[1];
    EXPECT_EQ(paged->GetCurrentIndex(), 0u);
    EXPECT_EQ(*pages[0]->GetFrame(), frame);
    EXPECT_EQ(*pages[2]->GetFrame(), CPagedGroupView2::kHiddenFrame);
}

TEST(CPagedGroupView2, Steps)
{
    CTestWindow window;
    auto* paged = new CPagedGroupView2(window.GetRootView(), CRect(0, 0, 50, 50));
    using TStep = void (CPagedGroupView2::*)();
    const struct
    {
        const char* name;
        TStep step;
        std::uint32_t pageCount;
        std::uint32_t from;
        std::uint32_t to;
    } kCases[] = {
        {"next", &CPagedGroupView2::NextPage, 3, 0, 1},
        {"next on the last", &CPagedGroupView2::NextPage, 3, 2, 2},
        {"next wrapping", &CPagedGroupView2::NextPageWrapping, 3, 1, 2},
        {"next wrapping on the last", &CPagedGroupView2::NextPageWrapping, 3, 2, 0},
        {"previous", &CPagedGroupView2::PreviousPage, 3, 2, 1},
        {"previous on the first", &CPagedGroupView2::PreviousPage, 3, 0, 0},
        {"previous wrapping", &CPagedGroupView2::PreviousPageWrapping, 3, 1, 0},
        {"previous wrapping on the first", &CPagedGroupView2::PreviousPageWrapping, 3, 0, 2},
        {"next wrapping, one page", &CPagedGroupView2::NextPageWrapping, 1, 0, 0},
        {"next, no pages", &CPagedGroupView2::NextPage, 0, 0, 0},
        {"next wrapping, no pages", &CPagedGroupView2::NextPageWrapping, 0, 0, 0},
        {"previous, no pages", &CPagedGroupView2::PreviousPage, 0, 0, 0},
        {"previous wrapping, no pages", &CPagedGroupView2::PreviousPageWrapping, 0, 0, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        paged->DeleteAllChildren();
        for (std::uint32_t index = 0; index < c.pageCount; ++index)
            new CPagedGroupViewPage(paged);
        paged->SetCurrentIndex(c.from);
        (paged->*c.step)();
        EXPECT_EQ(paged->GetCurrentIndex(), c.to);
    }

    paged->DeleteAllChildren();
    EXPECT_FALSE(paged->IsFirstPage());
    EXPECT_FALSE(paged->IsLastPage());
    new CPagedGroupViewPage(paged);
    EXPECT_TRUE(paged->IsFirstPage());
    EXPECT_TRUE(paged->IsLastPage());
}
