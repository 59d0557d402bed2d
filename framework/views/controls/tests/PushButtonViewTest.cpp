// Push buttons in a shown framework window, pushed by posted messages, keys and a real click.

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/controls/NativeControlGlue.h"
#include "framework/views/controls/PushButtonView.h"
#include "framework/views/controls/tests/ControlTestSupport.h"

#include <memory>
#include <vector>

using NSControlTest::CCountedCalls;
using NSControlTest::CPollingGroup;
using NSControlTest::PumpUntil;
using NSTramvell::CPushButtonView;
using NSTramvell::CRect;
using NSTramvell::GetWindowTable;

namespace {

// Two buttons in a group that polls the second, then the first, then the first again on every change.
class PushButtonView : public NSControlTest::CShownWindow
{
protected:
    void SetUp() override
    {
        CShownWindow::SetUp();
        mGroup = std::make_unique<CPollingGroup>(mWindow->GetRootView(), CRect(0, 0, 300, 200));
        mOk = std::make_unique<CPushButtonView>(mGroup.get(), "OK", CPushButtonView::kDefaultButton,
                                                CPushButtonView::FrameFromItemRect(CRect(20, 20, 100, 40)));
        mCancel = std::make_unique<CPushButtonView>(mGroup.get(), "Cancel", CPushButtonView::kOrdinaryButton,
                                                    CPushButtonView::FrameFromItemRect(CRect(120, 20, 200, 40)));
        mGroup->mPolls = {[this] { return mCancel->ConsumePushed(); }, [this] { return mOk->ConsumePushed(); },
                          [this] { return mOk->ConsumePushed(); }};
        Paint();
    }

    void TearDown() override
    {
        mCancel.reset();
        mOk.reset();
        mGroup.reset();
        CShownWindow::TearDown();
    }

    bool OkPushedOnce() const
    {
        return mGroup->mAnswers == std::vector<std::vector<bool>>{{false, true, false}};
    }

    void PostSpace(HWND button)
    {
        ::PostMessageA(button, WM_KEYDOWN, VK_SPACE, 0x00390001);
        ::PostMessageA(button, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    }

    std::unique_ptr<CPollingGroup> mGroup;
    std::unique_ptr<CPushButtonView> mOk;
    std::unique_ptr<CPushButtonView> mCancel;
};

} // namespace

TEST_F(PushButtonView, TheNativeButtonSitsOnTheItemAndTheDefaultOneHasItsStyleBit)
{
    EXPECT_EQ(*mOk->GetFrame(), CRect(20, 18, 100, 42));
    EXPECT_EQ(NSControlTest::GetControlRectInClient(mOk->GetNativeHandle()), CRect(22, 20, 98, 40));
    const auto styleOf = [](HWND handle) {
        return static_cast<std::uint32_t>(GetWindowTable().GetWindowLongPtrA(handle, GWL_STYLE));
    };
    EXPECT_EQ(styleOf(mOk->GetNativeHandle()) & BS_DEFPUSHBUTTON, static_cast<std::uint32_t>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(styleOf(mCancel->GetNativeHandle()), 0x50000000u);
    EXPECT_EQ(mOk->GetTitle(), "OK");

    mOk->MoveBy(5, 7);
    EXPECT_EQ(NSControlTest::GetControlRectInClient(mOk->GetNativeHandle()), CRect(27, 27, 103, 47));
    mOk->SetFrame(CRect(0, 100, 60, 130));
    EXPECT_EQ(NSControlTest::GetControlRectInClient(mOk->GetNativeHandle()), CRect(2, 102, 58, 128));
}

TEST_F(PushButtonView, ADialogItemGivesTheTitleAndAFrameAroundItsRectangle)
{
    const NSTramvell::CDialogItem item(7, NSTramvell::kDialogItemButton, CRect(30, 60, 110, 80), "Apply");
    CPushButtonView apply(mGroup.get(), item, CPushButtonView::kOrdinaryButton);
    EXPECT_EQ(*apply.GetFrame(), CRect(30, 58, 110, 82));
    EXPECT_EQ(NSControlTest::GetControlRectInClient(apply.GetNativeHandle()), CRect(32, 60, 108, 80));
    EXPECT_EQ(apply.GetTitle(), "Apply");
    EXPECT_EQ(static_cast<std::uint32_t>(GetWindowTable().GetWindowLongPtrA(apply.GetNativeHandle(), GWL_STYLE)),
              0x50000000u);
}

TEST_F(PushButtonView, AClickAnswersTrueOnceInsideTheNotificationOnly)
{
    ::PostMessageA(mOk->GetNativeHandle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !mGroup->mAnswers.empty(); }));
    EXPECT_TRUE(OkPushedOnce());
    EXPECT_FALSE(mOk->ConsumePushed());
    EXPECT_FALSE(mCancel->ConsumePushed());
}

TEST_F(PushButtonView, SpacePushesAShownButtonAndOtherKeysGoToTheWindow)
{
    PostSpace(mOk->GetNativeHandle());
    ASSERT_TRUE(PumpUntil([&] { return !mGroup->mAnswers.empty(); }));
    EXPECT_TRUE(OkPushedOnce());

    CCountedCalls counted(mWindow->GetWindowHandle());
    ::PostMessageA(mOk->GetNativeHandle(), WM_KEYDOWN, 'A', 0x001E0001);
    const auto passedOn = [&] {
        for (const auto& send : counted.Get().mSends)
            if (send.first == mWindow->GetWindowHandle() && send.second == WM_KEYDOWN)
                return true;
        return false;
    };
    EXPECT_TRUE(PumpUntil(passedOn));
    EXPECT_EQ(mGroup->mAnswers.size(), 1u);
}

TEST_F(PushButtonView, SpaceOnAButtonMovedOutOfTheWindowPushesNothing)
{
    mGroup->MoveBy(-16384, -16384);
    ASSERT_EQ(NSControlTest::GetControlRectInClient(mOk->GetNativeHandle()).GetLeft(), 22 - 16384);
    PostSpace(mOk->GetNativeHandle());
    NSControlTest::PumpPending();   // posted on this thread: both keys are handled now
    EXPECT_TRUE(mGroup->mAnswers.empty());
    EXPECT_EQ(::SendMessageA(mOk->GetNativeHandle(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0);

    mGroup->MoveBy(16384, 16384);
    PostSpace(mOk->GetNativeHandle());
    NSControlTest::PumpPending();
    EXPECT_TRUE(OkPushedOnce());
}

TEST_F(PushButtonView, DisablingTheEnclosingGroupDisablesTheNativeButtonAndInvalidatesOnce)
{
    CCountedCalls counted(mWindow->GetWindowHandle());
    mGroup->SetEnabled(false);
    EXPECT_FALSE(::IsWindowEnabled(mOk->GetNativeHandle()));
    EXPECT_FALSE(::IsWindowEnabled(mCancel->GetNativeHandle()));
    EXPECT_EQ(counted.Get().mWindowInvalidations, 2);   // one per button
    mGroup->SetEnabled(false);
    mOk->SetEnabled(true);   // still inside a disabled group
    EXPECT_EQ(counted.Get().mWindowInvalidations, 2);
    mGroup->SetEnabled(true);
    EXPECT_TRUE(::IsWindowEnabled(mOk->GetNativeHandle()));
    EXPECT_EQ(counted.Get().mWindowInvalidations, 4);
}

TEST_F(PushButtonView, SetTitleSendsOnlyANewTitle)
{
    CCountedCalls counted(mWindow->GetWindowHandle());
    mCancel->SetTitle("Cancel");
    EXPECT_EQ(counted.Get().mSetText, 0);
    mCancel->SetTitle("Stop");
    EXPECT_EQ(counted.Get().mSetText, 1);
    EXPECT_EQ(mCancel->GetTitle(), "Stop");
}

TEST_F(PushButtonView, ARealClickPushesTheButtonOnce)
{
    RECT onScreen{};
    ::GetWindowRect(mCancel->GetNativeHandle(), &onScreen);
    ::SetForegroundWindow(mWindow->GetWindowHandle());
    ::SetCursorPos((onScreen.left + onScreen.right) / 2, (onScreen.top + onScreen.bottom) / 2);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(::SendInput(2, clicks, sizeof(INPUT)), 2u);
    ASSERT_TRUE(PumpUntil([&] { return !mGroup->mAnswers.empty(); }));
    EXPECT_EQ(mGroup->mAnswers, (std::vector<std::vector<bool>>{{true, false, false}}));
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("PushButtonView").empty());
}

TEST_F(PushButtonView, ABuiltButtonLeavesNoControlOrCallbackBehind)
{
    HWND handle = mCancel->GetNativeHandle();
    const std::size_t registered = NSWinControlUtils::GetRegisteredCallbackCount();
    mCancel.reset();
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(NSWinControlUtils::GetRegisteredCallbackCount(), registered - 1);
    EXPECT_NE(NSWinControlUtils::FindNativeControlCallback(mOk->GetNativeHandle()), nullptr);
}

TEST_F(PushButtonView, DestructionTakesBothToolsOfItsToolTipAway)
{
    auto button = std::make_unique<CPushButtonView>(mGroup.get(), "Help", CPushButtonView::kOrdinaryButton,
                                                    CPushButtonView::FrameFromItemRect(CRect(20, 60, 100, 80)));
    const HWND tips = mWindow->GetToolTipControl();
    const LRESULT before = tips != nullptr ? ::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0) : 0;
    button->SetToolTipText("Opens the help");
    ASSERT_NE(mWindow->GetToolTipControl(), nullptr);
    const HWND handle = button->GetNativeHandle();
    button.reset();
    const HWND control = mWindow->GetToolTipControl();
    EXPECT_EQ(::SendMessageA(control, TTM_GETTOOLCOUNT, 0, 0), before);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    for (WPARAM index = 0; ::SendMessageA(control, TTM_ENUMTOOLSA, index, reinterpret_cast<LPARAM>(&tool)); ++index)
        EXPECT_NE(tool.uId, reinterpret_cast<UINT_PTR>(handle)) << "a tool is still kept by the destroyed control";
}
