// A native scroll bar in a shown framework window: the range it shows, its codes and its own handler.

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/input/MouseWheel.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/controls/tests/ControlTestSupport.h"
#include "framework/views/scrollbars/ScrollBarView.h"

#include <memory>
#include <string>
#include <vector>

using NSControlTest::PumpPending;
using NSControlTest::PumpUntil;
using NSTramvell::CRect;
using NSTramvell::CScrollBarRange;
using NSTramvell::CScrollBarView;

namespace {

class CRecordingHandler : public NSTramvell::IScrollBarHandler
{
public:
    void BeginTracking(CScrollBarView*) override { mCalls.push_back("begin"); }
    void EndTracking(CScrollBarView*) override { mCalls.push_back("end"); }
    void Step(CScrollBarView*, std::int32_t direction, std::int32_t amount) override
    {
        mCalls.push_back("step " + std::to_string(direction) + " " + std::to_string(amount));
    }
    void Position(CScrollBarView*, std::int32_t position) override
    {
        mCalls.push_back("position " + std::to_string(position));
    }
    std::vector<std::string> mCalls;
};

// Reads the pending action of its scroll bar whenever a change climbs through it.
class CPendingGroup : public NSTramvell::CStandardGroupView
{
public:
    using CStandardGroupView::CStandardGroupView;
    std::int32_t ChildChanged() override
    {
        mSeen.emplace_back(mBar->GetPendingKind(), mBar->GetPendingAmount());
        return 0;
    }
    CScrollBarView* mBar = nullptr;
    std::vector<std::pair<std::int32_t, std::int32_t>> mSeen;
};

SCROLLINFO ReadScrollInfo(HWND control)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(control, SB_CTL, &info);
    return info;
}

class ScrollBarView : public NSControlTest::CShownWindow
{
protected:
    void SetUp() override
    {
        CShownWindow::SetUp();
        mGroup = std::make_unique<CPendingGroup>(mWindow->GetRootView(), CRect(0, 0, 400, 300));
        mOwn = std::make_unique<CScrollBarView>(mGroup.get(), false, CRect(300, 10, 316, 210));
        mHandled = std::make_unique<CScrollBarView>(mGroup.get(), true, CRect(10, 250, 250, 266), &mHandler);
        mGroup->mBar = mOwn.get();
        Paint();
    }

    void TearDown() override
    {
        mHandled.reset();
        mOwn.reset();
        mGroup.reset();
        CShownWindow::TearDown();
    }

    // A scroll code as the control reports it to the window.
    void SendCode(CScrollBarView& bar, WORD code)
    {
        ::SendMessageA(mWindow->GetWindowHandle(), bar.IsHorizontal() ? WM_HSCROLL : WM_VSCROLL, code,
                       reinterpret_cast<LPARAM>(bar.GetNativeHandle()));
    }

    CRecordingHandler mHandler;
    std::unique_ptr<CPendingGroup> mGroup;
    std::unique_ptr<CScrollBarView> mOwn;
    std::unique_ptr<CScrollBarView> mHandled;
};

} // namespace

TEST_F(ScrollBarView, TheControlMirrorsTheRangeRecord)
{
    EXPECT_EQ(static_cast<std::uint32_t>(::GetWindowLongA(mOwn->GetNativeHandle(), GWL_STYLE)), 0x50000001u);
    EXPECT_EQ(static_cast<std::uint32_t>(::GetWindowLongA(mHandled->GetNativeHandle(), GWL_STYLE)), 0x50000000u);
    SCROLLINFO info = ReadScrollInfo(mOwn->GetNativeHandle());
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 999);
    EXPECT_EQ(info.nPage, 100u);
    EXPECT_EQ(info.nPos, 0);

    CScrollBarRange range(-50, 150);
    range.SetVisible(20, 60);
    mOwn->SetRange(range);
    EXPECT_TRUE(mOwn->GetRange() == range);
    info = ReadScrollInfo(mOwn->GetNativeHandle());
    EXPECT_EQ(info.nMax, 199);
    EXPECT_EQ(info.nPage, 40u);
    EXPECT_EQ(info.nPos, 70);
}

TEST_F(ScrollBarView, ADialogItemIsMadeSixteenPixelsThickAcrossTheOrientation)
{
    const NSTramvell::CDialogItem item(3, NSTramvell::kDialogItemScrollBar, CRect(20, 20, 220, 30), "");
    const struct
    {
        std::int32_t orientation;
        CRect frame;
        std::uint32_t style;
    } kCases[] = {
        {NSTramvell::kScrollBarVertical, CRect(20, 20, 36, 30), 0x50000001u},
        {NSTramvell::kScrollBarHorizontal, CRect(20, 20, 220, 36), 0x50000000u},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.orientation);
        const CScrollBarView bar(mGroup.get(), item, c.orientation, &mHandler);
        EXPECT_EQ(*bar.GetFrame(), c.frame);
        EXPECT_EQ(NSControlTest::GetControlRectInClient(bar.GetNativeHandle()), c.frame);
        EXPECT_EQ(static_cast<std::uint32_t>(::GetWindowLongA(bar.GetNativeHandle(), GWL_STYLE)), c.style);
    }
}

TEST_F(ScrollBarView, AClickOnTheDownArrowTracksOneLineForward)
{
    HWND control = mHandled->GetNativeHandle();
    RECT client{};
    ::GetClientRect(control, &client);
    const LPARAM onRightArrow = MAKELPARAM(client.right - 4, client.bottom / 2);
    ::PostMessageA(control, WM_LBUTTONUP, 0, onRightArrow);
    ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, onRightArrow);
    ASSERT_TRUE(PumpUntil([&] { return !mHandled->IsTracking() && mHandler.mCalls.size() >= 3; }));
    EXPECT_EQ(mHandler.mCalls, (std::vector<std::string>{"begin", "step 3 1", "end"}));
    EXPECT_EQ(NSTramvell::GetTrackingView(), nullptr);
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("ScrollBarView").empty());
}

TEST_F(ScrollBarView, TheFrameworkSeesTheBarTrackFromItsFirstCodeToItsEndCode)
{
    SendCode(*mHandled, SB_LINEDOWN);
    EXPECT_TRUE(mHandled->IsTracking());
    EXPECT_EQ(NSTramvell::GetTrackingView(), mHandled.get());
    SendCode(*mHandled, SB_PAGEDOWN);
    EXPECT_EQ(NSTramvell::GetTrackingView(), mHandled.get());
    SendCode(*mHandled, SB_ENDSCROLL);
    EXPECT_FALSE(mHandled->IsTracking());
    EXPECT_EQ(NSTramvell::GetTrackingView(), nullptr);
    EXPECT_EQ(mHandler.mCalls, (std::vector<std::string>{"begin", "step 3 1", "step 1 1", "end"}));
}

TEST_F(ScrollBarView, TheOwnHandlerShowsTheSignedActionOnlyInsideItsNotice)
{
    CScrollBarRange range(10, 1010);
    range.SetVisible(100, 300);
    mOwn->SetRange(range);
    NSTramvell::CScopedTableEntry trackPosition(
        NSTramvell::GetWindowTable().GetScrollInfo, [](HWND, int, LPSCROLLINFO info) {
            info->nTrackPos = 123;
            return TRUE;
        });
    for (WORD code : {SB_LINEUP, SB_PAGEDOWN, SB_THUMBTRACK, SB_BOTTOM, SB_TOP, SB_ENDSCROLL})
        SendCode(*mOwn, code);
    EXPECT_EQ(mGroup->mSeen, (std::vector<std::pair<std::int32_t, std::int32_t>>{
                                 {2, -1}, {1, 1}, {0, 133}, {0, 810}, {0, 10}}));
    EXPECT_EQ(mOwn->GetPendingKind(), 0);
    EXPECT_EQ(mOwn->GetPendingAmount(), 666);
    EXPECT_FALSE(mOwn->IsTracking());

    mGroup->mSeen.clear();
    const NSTramvell::CMouseEventRecord wheel(NSTramvell::CModifierKeys(), NSTramvell::CPoint(0, 0), 1);
    NSTramvell::WheelScrollForward(*mOwn, wheel, 2);
    NSTramvell::WheelScrollBack(*mOwn, wheel, 2);
    NSTramvell::HandleScrollBarKey(
        *mOwn, NSTramvell::CKeyEvent(NSTramvell::CModifierKeys(), 87, NSTramvell::kKeyDown, 0, 0));
    EXPECT_EQ(mGroup->mSeen, (std::vector<std::pair<std::int32_t, std::int32_t>>{{2, 2}, {2, -2}, {0, 810}}));
}

TEST_F(ScrollBarView, DisablingTheViewDisablesTheControl)
{
    mOwn->SetEnabled(false);
    EXPECT_FALSE(::IsWindowEnabled(mOwn->GetNativeHandle()));
    mOwn->SetEnabled(true);
    EXPECT_TRUE(::IsWindowEnabled(mOwn->GetNativeHandle()));
}
