// Radio buttons in a radio group in a shown framework window, driven by posted messages.

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/choices/RadioButtonView.h"
#include "framework/views/controls/tests/ControlTestSupport.h"

#include <memory>
#include <vector>

using NSControlTest::CCountedCalls;
using NSControlTest::PumpPending;
using NSControlTest::PumpUntil;
using NSTramvell::CRadioButtonGroupView;
using NSTramvell::CRadioButtonView;
using NSTramvell::CRect;

namespace {

// The group's owner: records every offer and accepts it when told to.
class COwner : public NSTramvell::CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        std::uint16_t index = 0;
        if (mGroup->TakePendingChange(index)) {
            mOffers.push_back(index);
            mSecondTake = mGroup->TakePendingChange(index);
            if (mAccept)
                mGroup->SetDisplayedSelection(index);
        }
        return 0;
    }
    CRadioButtonGroupView* mGroup = nullptr;
    bool mAccept = false;
    bool mSecondTake = false;
    std::vector<std::uint16_t> mOffers;
};

class RadioButtonView : public NSControlTest::CShownWindow
{
protected:
    void SetUp() override
    {
        CShownWindow::SetUp();
        mOwner = std::make_unique<COwner>(mWindow->GetRootView(), CRect(0, 0, 400, 300));
        mGroup = std::make_unique<CRadioButtonGroupView>(mOwner.get());
        mOwner->mGroup = mGroup.get();
        for (int i = 0; i < 3; ++i)
            mButtons.push_back(std::make_unique<CRadioButtonView>(mGroup.get(), "Choice " + std::to_string(i),
                                                                  CRect(20, 20 + 30 * i, 180, 40 + 30 * i)));
        Paint();
    }

    void TearDown() override
    {
        mButtons.clear();
        mGroup.reset();
        mOwner.reset();
        CShownWindow::TearDown();
    }

    HWND Button(int i) const { return mButtons[static_cast<std::size_t>(i)]->GetNativeHandle(); }

    std::vector<bool> NativeChecks() const
    {
        std::vector<bool> checks;
        for (const auto& button : mButtons)
            checks.push_back(::SendMessageA(button->GetNativeHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED);
        return checks;
    }

    void PostKey(HWND button, WPARAM key)
    {
        ::PostMessageA(button, WM_KEYDOWN, key, 1);
        ::PostMessageA(button, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    }

    std::unique_ptr<COwner> mOwner;
    std::unique_ptr<CRadioButtonGroupView> mGroup;
    std::vector<std::unique_ptr<CRadioButtonView>> mButtons;
};

} // namespace

TEST_F(RadioButtonView, ButtonsAreNativeRadioButtonsAndTheGroupSpansThem)
{
    EXPECT_EQ(static_cast<std::uint32_t>(::GetWindowLongA(Button(1), GWL_STYLE)), 0x50000004u);
    EXPECT_EQ(*mGroup->GetFrame(), CRect(20, 20, 180, 100));
    EXPECT_EQ(mGroup->IndexOf(mButtons[2].get()), 2);
    EXPECT_EQ(mGroup->IndexOf(mOwner.get()), -1);
    EXPECT_EQ(mGroup->GetSelectedIndex(), 65535);
    mButtons[1]->MoveBy(5, 0);
    EXPECT_EQ(NSControlTest::GetControlRectInClient(Button(1)), CRect(25, 50, 185, 70));
}

TEST_F(RadioButtonView, ADialogItemGivesTheButtonItsTitleAndPlace)
{
    const NSTramvell::CDialogItem item(9, NSTramvell::kDialogItemRadioButton, CRect(20, 110, 180, 130), "Fourth");
    CRadioButtonView fourth(mGroup.get(), item);
    EXPECT_EQ(NSControlTest::GetControlRectInClient(fourth.GetNativeHandle()), CRect(20, 110, 180, 130));
    EXPECT_EQ(NSWinControlUtils::GetNativeText(fourth.GetNativeHandle()), "Fourth");
    EXPECT_EQ(static_cast<std::uint32_t>(::GetWindowLongA(fourth.GetNativeHandle(), GWL_STYLE)), 0x50000004u);
    EXPECT_EQ(mGroup->IndexOf(&fourth), 3);
}

TEST_F(RadioButtonView, AClickOffersItsIndexOnceInsideTheNotification)
{
    ::PostMessageA(Button(1), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !mOwner->mOffers.empty(); }));
    EXPECT_EQ(mOwner->mOffers, std::vector<std::uint16_t>{1});
    EXPECT_FALSE(mOwner->mSecondTake);
    std::uint16_t index = 0;
    EXPECT_FALSE(mGroup->TakePendingChange(index));
    EXPECT_EQ(mGroup->GetSelectedIndex(), 65535);   // not accepted
}

TEST_F(RadioButtonView, TheDisplayedSelectionTellsOnlyTheButtonsThatChange)
{
    CCountedCalls counted(mWindow->GetWindowHandle());
    const auto checkSends = [&] {
        int sends = 0;
        for (const auto& send : counted.Get().mSends)
            sends += send.second == BM_SETCHECK ? 1 : 0;
        return sends;
    };
    mGroup->SetDisplayedSelection(1);
    EXPECT_EQ(NativeChecks(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(checkSends(), 1);
    mGroup->SetDisplayedSelection(2);
    EXPECT_EQ(NativeChecks(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(checkSends(), 3);
    mGroup->SetDisplayedSelection(2);
    EXPECT_EQ(checkSends(), 3);

    mGroup->Select(2);   // the selection itself is no news
    EXPECT_TRUE(mOwner->mOffers.empty());
}

TEST_F(RadioButtonView, ArrowsOfferTheNeighbourWrappingAtBothEnds)
{
    PostKey(Button(2), VK_RIGHT);
    PostKey(Button(0), VK_LEFT);
    PostKey(Button(1), VK_UP);
    ASSERT_TRUE(PumpUntil([&] { return mOwner->mOffers.size() >= 3; }));
    EXPECT_EQ(mOwner->mOffers, (std::vector<std::uint16_t>{0, 2, 0}));
}

TEST_F(RadioButtonView, WithAnAcceptingOwnerDownWalksTheGroupWithTheFocus)
{
    mOwner->mAccept = true;
    mGroup->SetDisplayedSelection(0);
    ::SetFocus(Button(0));
    for (int expected : {1, 2, 0}) {
        SCOPED_TRACE(expected);
        PostKey(::GetFocus(), VK_DOWN);
        ASSERT_TRUE(PumpUntil([&] { return mGroup->GetSelectedIndex() == expected; }));
        EXPECT_EQ(::GetFocus(), Button(expected));
        EXPECT_EQ(mGroup->GetSubViewWithWin32Focus(), mButtons[static_cast<std::size_t>(expected)].get());
    }
    EXPECT_EQ(NativeChecks(), (std::vector<bool>{true, false, false}));
}

TEST_F(RadioButtonView, RemovingButtonsKeepsTheSelectionOnItsButton)
{
    mGroup->SetDisplayedSelection(2);
    mButtons.erase(mButtons.begin());
    EXPECT_EQ(mGroup->GetSelectedIndex(), 1);
    EXPECT_EQ(mGroup->IndexOf(mButtons[1].get()), 1);
    EXPECT_EQ(*mGroup->GetFrame(), CRect(20, 50, 180, 100));
    mButtons.erase(mButtons.begin() + 1);
    EXPECT_EQ(mGroup->GetSelectedIndex(), 65535);
}

TEST_F(RadioButtonView, AButtonOutsideAGroupIgnoresClicksAndArrows)
{
    CRadioButtonView lone(mOwner.get(), "Alone", CRect(200, 20, 300, 40));
    EXPECT_EQ(lone.GetGroup(), nullptr);
    ::PostMessageA(lone.GetNativeHandle(), BM_CLICK, 0, 0);
    PostKey(lone.GetNativeHandle(), VK_DOWN);
    ::PostMessageA(lone.GetNativeHandle(), WM_NULL, 0, 0);
    PumpPending();
    EXPECT_TRUE(mOwner->mOffers.empty());
    EXPECT_EQ(::SendMessageA(lone.GetNativeHandle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(RadioButtonView, TabGoesToTheWindowAndTheFocusLeavesTheButton)
{
    CCountedCalls counted(mWindow->GetWindowHandle());
    ::SetFocus(Button(0));
    PostKey(Button(0), VK_TAB);
    const auto passedOn = [&] {
        for (const auto& send : counted.Get().mSends)
            if (send.first == mWindow->GetWindowHandle() && send.second == WM_KEYDOWN)
                return true;
        return false;
    };
    EXPECT_TRUE(PumpUntil(passedOn));
    EXPECT_TRUE(mOwner->mOffers.empty());
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("RadioButtonView").empty());
}
