// Faders over native trackbars in a shown framework window.

#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/choices/FaderView.h"
#include "framework/views/controls/tests/ControlTestSupport.h"

#include <memory>
#include <vector>

using NSControlTest::PumpPending;
using NSControlTest::PumpUntil;
using NSTramvell::CFaderView;
using NSTramvell::CRect;
using NSTramvell::kFaderHorizontal;
using NSTramvell::kFaderVertical;

namespace {

// The faders' owner: records each offer and accepts it when told to.
class COwner : public NSTramvell::CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        for (CFaderView* fader : mFaders) {
            std::uint16_t value = 0;
            if (fader->TakePendingValue(value)) {
                mOffers.push_back(value);
                mSecondTake = mSecondTake || fader->TakePendingValue(value);
                if (mAccept)
                    fader->SetValue(value);
            }
        }
        return 0;
    }
    std::vector<CFaderView*> mFaders;
    std::vector<std::uint16_t> mOffers;
    bool mAccept = false;
    bool mSecondTake = false;
};

class FaderView : public NSControlTest::CShownWindow
{
protected:
    void SetUp() override
    {
        CShownWindow::SetUp();
        mOwner = std::make_unique<COwner>(mWindow->GetRootView(), CRect(0, 0, 400, 300));
        mHorizontal = std::make_unique<CFaderView>(mOwner.get(), CRect(20, 20, 220, 30), kFaderHorizontal, 1, 100);
        mVertical = std::make_unique<CFaderView>(mOwner.get(), kFaderVertical, 3, CRect(300, 20, 330, 220), 100);
        mOwner->mFaders = {mHorizontal.get(), mVertical.get()};
        Paint();
    }

    void TearDown() override
    {
        mVertical.reset();
        mHorizontal.reset();
        mOwner.reset();
        CShownWindow::TearDown();
    }

    static std::int32_t NativePosition(const CFaderView& fader)
    {
        return static_cast<std::int32_t>(::SendMessageA(fader.GetNativeHandle(), TBM_GETPOS, 0, 0));
    }

    void PressRight()
    {
        HWND control = mHorizontal->GetNativeHandle();
        ::PostMessageA(control, WM_KEYDOWN, VK_RIGHT, 0x014D0001);
        ::PostMessageA(control, WM_KEYUP, VK_RIGHT, static_cast<LPARAM>(0xC14D0001u));
        ::PostMessageA(control, WM_NULL, 0, 0);
        PumpPending();
    }

    std::unique_ptr<COwner> mOwner;
    std::unique_ptr<CFaderView> mHorizontal;
    std::unique_ptr<CFaderView> mVertical;
};

} // namespace

TEST_F(FaderView, FramesStylesAndRangesFollowTheOrientation)
{
    EXPECT_EQ(*mHorizontal->GetFrame(), CRect(20, 20, 220, 45));
    EXPECT_EQ(*mVertical->GetFrame(), CRect(300, 20, 330, 220));
    EXPECT_EQ(static_cast<std::uint32_t>(::GetWindowLongA(mHorizontal->GetNativeHandle(), GWL_STYLE)), 0x50000014u);
    EXPECT_EQ(static_cast<std::uint32_t>(::GetWindowLongA(mVertical->GetNativeHandle(), GWL_STYLE)), 0x5000001Au);
    EXPECT_EQ(::SendMessageA(mVertical->GetNativeHandle(), TBM_GETRANGEMAX, 0, 0), 100);
    EXPECT_EQ(::SendMessageA(mVertical->GetNativeHandle(), TBM_GETPAGESIZE, 0, 0), 10);
    EXPECT_EQ(NativePosition(*mVertical), 100);   // value 0 at the bottom

    mVertical->SetValue(30);
    EXPECT_EQ(NativePosition(*mVertical), 70);
    mHorizontal->SetValue(30);
    EXPECT_EQ(NativePosition(*mHorizontal), 30);
}

TEST_F(FaderView, RightOffersTheNextValueAndARefusalShowsTheStoredOneAgain)
{
    mHorizontal->SetValue(40);
    mOwner->mAccept = true;
    PressRight();
    ASSERT_FALSE(mOwner->mOffers.empty());
    EXPECT_EQ(mOwner->mOffers.front(), 41);
    EXPECT_FALSE(mOwner->mSecondTake);
    EXPECT_EQ(mHorizontal->GetValue(), 41);
    EXPECT_EQ(NativePosition(*mHorizontal), 41);

    mOwner->mAccept = false;
    mOwner->mOffers.clear();
    PressRight();
    ASSERT_FALSE(mOwner->mOffers.empty());
    EXPECT_EQ(mOwner->mOffers.front(), 42);
    EXPECT_EQ(mHorizontal->GetValue(), 41);
    EXPECT_EQ(NativePosition(*mHorizontal), 41);   // put back by the end code
}

TEST_F(FaderView, ADragToTheTopOfAVerticalFaderOffersTheMaximum)
{
    ::SendMessageA(mWindow->GetWindowHandle(), WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, 0),
                   reinterpret_cast<LPARAM>(mVertical->GetNativeHandle()));
    EXPECT_EQ(mOwner->mOffers, std::vector<std::uint16_t>{100});
}

TEST_F(FaderView, ALowerMaximumLowersTheValueAndTheTrackbarShowsItRight)
{
    mHorizontal->SetValue(80);
    mHorizontal->SetMaximum(50);
    EXPECT_EQ(mHorizontal->GetValue(), 50);
    EXPECT_EQ(NativePosition(*mHorizontal), 50);
    EXPECT_EQ(::SendMessageA(mHorizontal->GetNativeHandle(), TBM_GETPAGESIZE, 0, 0), 5);

    mVertical->SetValue(10);
    mVertical->SetMaximum(50);   // the value stays, its position from the top changes
    EXPECT_EQ(mVertical->GetValue(), 10);
    EXPECT_EQ(NativePosition(*mVertical), 40);
    Paint();
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("FaderView").empty());
}
