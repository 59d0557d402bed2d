// Check boxes and up-down buttons in a shown framework window, driven by posted messages and clicks.

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/choices/CheckBoxView.h"
#include "framework/views/choices/UpDownButtonView.h"
#include "framework/views/controls/tests/ControlTestSupport.h"

#include <memory>
#include <vector>

using NSControlTest::CCountedCalls;
using NSControlTest::PumpPending;
using NSControlTest::PumpUntil;
using NSTramvell::CCheckBoxView;
using NSTramvell::CRect;
using NSTramvell::CUpDownButtonView;

namespace {

// Asks the check box and the up-down button what changed each time a change climbs through it.
class CAskingGroup : public NSTramvell::CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        if (mCheckBox != nullptr) {
            const bool first = mCheckBox->ConsumeChanged();
            mCheckAnswers.push_back({first, mCheckBox->ConsumeChanged(), mCheckBox->IsChecked()});
        }
        std::int16_t step = 0;
        if (mUpDown != nullptr && mUpDown->TakePendingStep(step)) {
            mSteps.push_back(step);
            mSecondTake = mSecondTake || mUpDown->TakePendingStep(step);
        }
        return 0;
    }
    CCheckBoxView* mCheckBox = nullptr;
    CUpDownButtonView* mUpDown = nullptr;
    std::vector<std::vector<bool>> mCheckAnswers;   // first ask, second ask, checked
    std::vector<std::int16_t> mSteps;
    bool mSecondTake = false;
};

class ChoiceControls : public NSControlTest::CShownWindow
{
protected:
    void SetUp() override
    {
        CShownWindow::SetUp();
        mGroup = std::make_unique<CAskingGroup>(mWindow->GetRootView(), CRect(0, 0, 400, 300));
        mCheckBox = std::make_unique<CCheckBoxView>(mGroup.get(), "Check", CRect(20, 20, 160, 40));
        mUpDown = std::make_unique<CUpDownButtonView>(mGroup.get(), CRect(200, 20, 220, 60));
        mGroup->mCheckBox = mCheckBox.get();
        mGroup->mUpDown = mUpDown.get();
        Paint();
    }

    void TearDown() override
    {
        mUpDown.reset();
        mCheckBox.reset();
        mGroup.reset();
        CShownWindow::TearDown();
    }

    // A click as the control takes it: the release waits in the queue while the press runs.
    static void Click(HWND control, int x, int y)
    {
        ::PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::PostMessageA(control, WM_NULL, 0, 0);
        PumpPending();
    }

    std::unique_ptr<CAskingGroup> mGroup;
    std::unique_ptr<CCheckBoxView> mCheckBox;
    std::unique_ptr<CUpDownButtonView> mUpDown;
};

} // namespace

TEST_F(ChoiceControls, ACheckBoxClickTogglesThroughTheViewAndAnswersChangedOnceInside)
{
    EXPECT_EQ(static_cast<std::uint32_t>(::GetWindowLongA(mCheckBox->GetNativeHandle(), GWL_STYLE)), 0x50000002u);
    ::PostMessageA(mCheckBox->GetNativeHandle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !mGroup->mCheckAnswers.empty(); }));
    EXPECT_EQ(mGroup->mCheckAnswers, (std::vector<std::vector<bool>>{{true, false, true}}));
    EXPECT_EQ(::SendMessageA(mCheckBox->GetNativeHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(mCheckBox->ConsumeChanged());

    ::PostMessageA(mCheckBox->GetNativeHandle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return mGroup->mCheckAnswers.size() == 2; }));
    EXPECT_FALSE(mCheckBox->IsChecked());
    EXPECT_EQ(::SendMessageA(mCheckBox->GetNativeHandle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ChoiceControls, SetCheckedTellsTheControlOnlyOnAChangeAndAPressOnTheViewDoesNothing)
{
    CCountedCalls counted(mWindow->GetWindowHandle());
    const auto checkSends = [&] {
        int sends = 0;
        for (const auto& send : counted.Get().mSends)
            sends += send.second == BM_SETCHECK ? 1 : 0;
        return sends;
    };
    mCheckBox->SetChecked(false);
    EXPECT_EQ(checkSends(), 0);
    mCheckBox->SetChecked(true);
    mCheckBox->SetChecked(true);
    EXPECT_EQ(checkSends(), 1);
    EXPECT_EQ(::SendMessageA(mCheckBox->GetNativeHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);

    const NSTramvell::CMouseEvent press;
    EXPECT_EQ(mCheckBox->HandleMouseDown(press).GetValue(), NSTramvell::CMouseDownResult::kHandled);
    EXPECT_TRUE(mCheckBox->IsChecked());
    EXPECT_TRUE(mGroup->mCheckAnswers.empty());
}

TEST_F(ChoiceControls, DestroyingTheFocusedCheckBoxLeavesNoFocusView)
{
    mUpDown.reset();
    mGroup->mUpDown = nullptr;
    mWindow->AddFocusTarget(mCheckBox.get());
    mWindow->SetFocusView(mCheckBox.get());
    ASSERT_TRUE(PumpUntil([&] { return mWindow->GetFocusView() == mCheckBox.get(); }));
    mGroup->mCheckBox = nullptr;
    mCheckBox.reset();
    EXPECT_EQ(mWindow->GetFocusView(), nullptr);
}

TEST_F(ChoiceControls, TheUpDownButtonStepsUpAndDownWithoutEverStickingAtAnEnd)
{
    HWND control = mUpDown->GetNativeHandle();
    RECT client{};
    ::GetClientRect(control, &client);
    const int x = client.right / 2;
    Click(control, x, client.bottom / 4);
    EXPECT_EQ(mGroup->mSteps, std::vector<std::int16_t>{1});
    EXPECT_FALSE(mGroup->mSecondTake);
    Click(control, x, client.bottom * 3 / 4);
    EXPECT_EQ(mGroup->mSteps, (std::vector<std::int16_t>{1, -1}));

    for (int i = 0; i < 120; ++i)
        Click(control, x, client.bottom / 4);
    EXPECT_EQ(mGroup->mSteps.size(), 122u);
    EXPECT_EQ(mGroup->mSteps.back(), 1);
    EXPECT_EQ(::SendMessageA(control, WM_USER + 114, 0, 0), 50);   // the control's position stays put
}

TEST_F(ChoiceControls, ADisabledUpDownButtonIsADisabledControlAndStepsNoMore)
{
    mGroup->SetEnabled(false);
    EXPECT_FALSE(::IsWindowEnabled(mUpDown->GetNativeHandle()));
    RECT client{};
    ::GetClientRect(mUpDown->GetNativeHandle(), &client);
    Click(mUpDown->GetNativeHandle(), client.right / 2, client.bottom / 4);
    EXPECT_TRUE(mGroup->mSteps.empty());
    mGroup->SetEnabled(true);
    EXPECT_TRUE(::IsWindowEnabled(mUpDown->GetNativeHandle()));
}

TEST_F(ChoiceControls, AnUpDownButtonFromADialogItemTakesItsRectangle)
{
    const NSTramvell::CDialogItem item(5, NSTramvell::kDialogItemCustom, CRect(240, 30, 258, 70), "ignored");
    const CUpDownButtonView fromItem(mGroup.get(), item);
    EXPECT_EQ(*fromItem.GetFrame(), CRect(240, 30, 258, 70));
    // The control keeps a width of its own; it stands at the item's top-left, as tall as the item.
    const CRect control = NSControlTest::GetControlRectInClient(fromItem.GetNativeHandle());
    EXPECT_EQ(control.GetLeft(), 240);
    EXPECT_EQ(control.GetTop(), 30);
    EXPECT_EQ(control.GetBottom(), 70);
}

TEST_F(ChoiceControls, AnUpDownButtonThePlatformCannotMakeIsOutOfMemory)
{
    const std::uint32_t children = mGroup->GetChildCount();
    NSTramvell::CScopedTableEntry noWindow(NSTramvell::GetWindowTable().CreateWindowExA,
                                           [](DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                                              LPVOID) -> HWND { return nullptr; });
    EXPECT_THROW(CUpDownButtonView(mGroup.get(), CRect(0, 0, 20, 40)), NSTramvell::XOutOfMemory);
    EXPECT_EQ(mGroup->GetChildCount(), children);
}
