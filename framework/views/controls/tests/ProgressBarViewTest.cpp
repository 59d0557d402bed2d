// The progress bar in a shown framework window: its control's place, range and position after painting.

#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/controls/ProgressBarView.h"
#include "framework/views/controls/tests/ControlTestSupport.h"

#include <memory>

using NSControlTest::CCountedCalls;
using NSTramvell::CProgressBarView;
using NSTramvell::CRect;

namespace {

class ProgressBarView : public NSControlTest::CShownWindow
{
protected:
    void SetUp() override
    {
        CShownWindow::SetUp();
        mBar = std::make_unique<CProgressBarView>(mWindow->GetRootView(),
                                                  CProgressBarView::FrameFromItemRect(CRect(10, 100, 210, 112)));
        Paint();
    }

    void TearDown() override
    {
        mBar.reset();
        CShownWindow::TearDown();
    }

    LRESULT GetPosition() const { return ::SendMessageA(mBar->GetNativeHandle(), PBM_GETPOS, 0, 0); }
    bool HasUpdate() const { return ::GetUpdateRect(mWindow->GetWindowHandle(), nullptr, FALSE) != FALSE; }

    std::unique_ptr<CProgressBarView> mBar;
};

} // namespace

TEST_F(ProgressBarView, TheControlLiesOnTheItemWithARangeOfAThousand)
{
    EXPECT_EQ(*mBar->GetFrame(), CRect(10, 99, 210, 114));
    EXPECT_EQ(NSControlTest::GetControlRectInClient(mBar->GetNativeHandle()), CRect(10, 101, 210, 112));
    PBRANGE range{};
    ::SendMessageA(mBar->GetNativeHandle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 1000);

    mBar->MoveBy(0, 20);
    EXPECT_EQ(NSControlTest::GetControlRectInClient(mBar->GetNativeHandle()), CRect(10, 121, 210, 132));
}

TEST_F(ProgressBarView, TheValueReachesTheControlWithThePaint)
{
    mBar->SetValue(250);
    EXPECT_TRUE(HasUpdate());
    EXPECT_EQ(GetPosition(), 0);   // only painting hands the value on
    Paint();
    EXPECT_EQ(GetPosition(), 250);

    mBar->SetValue(CProgressBarView::kUnknownProgress);
    Paint();
    EXPECT_EQ(GetPosition(), 0);
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("ProgressBarView").empty());
}

TEST_F(ProgressBarView, TheSameValueInvalidatesNothing)
{
    mBar->SetValue(400);
    Paint();
    ASSERT_FALSE(HasUpdate());
    mBar->SetValue(400);
    EXPECT_FALSE(HasUpdate());
}

TEST_F(ProgressBarView, AHiddenBarTakesThePositionButRedrawsNothing)
{
    // An enclosing group that ends above the bar hides it.
    NSTramvell::CStandardGroupView cover(mWindow->GetRootView(), CRect(0, 0, 300, 50));
    CProgressBarView hidden(&cover, CRect(10, 99, 210, 114));
    hidden.SetValue(700);
    NSTramvell::CPrimitiveOffscreenDrawSpec drawSpec(nullptr);
    {
        CCountedCalls counted(mWindow->GetWindowHandle());
        hidden.Draw(drawSpec);
        EXPECT_EQ(counted.Get().mRedraws, 0);
        mBar->Draw(drawSpec);
        EXPECT_EQ(counted.Get().mRedraws, 1);
    }
    EXPECT_EQ(::SendMessageA(hidden.GetNativeHandle(), PBM_GETPOS, 0, 0), 700);
}
