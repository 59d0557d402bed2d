#include "framework/gui/views/View.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/TestWindow.h"
#include "framework/gui/tests/support/Driver.h"

#include <gtest/gtest.h>

#include <memory>

using namespace NSTramvell;
using NSGuiTest::CTestView;
using NSGuiTest::CTestWindow;

namespace {

class CDropView : public CTestView, public IDropReceiver
{
public:
    using CTestView::CTestView;
    bool AcceptsDrop(const void*) override { return true; }
};

class CHoverView : public CTestView, public IMouseInput
{
public:
    using CTestView::CTestView;
    void MouseEntered() override { ++mEntered; }
    void MouseLeft() override { ++mLeft; }
    int mEntered = 0;
    int mLeft = 0;
};

class CFocusView : public CTestView, public IFocusTarget
{
public:
    using CTestView::CTestView;
};

class ViewTest : public testing::Test
{
protected:
    ViewTest() : mWindow(std::make_unique<CTestWindow>()) { mWindow->ShowWithBounds(CRect(0, 0, 300, 200)); }

    CWindowRootGroupView* Root() const { return mWindow->GetRootView(); }

    NSGuiTest::CWatchdog mWatchdog;
    std::unique_ptr<CTestWindow> mWindow;
};

} // namespace

TEST_F(ViewTest, EffectiveEnabledStateFollowsTheParent)
{
    auto* group = new CStandardGroupView(Root(), CRect(0, 0, 100, 100));
    auto* plain = new CTestView(group, CRect(0, 0, 10, 10));
    auto* receiver = new CDropView(group, CRect(10, 0, 20, 10));
    auto* off = new CTestView(group, CRect(20, 0, 30, 10));
    off->SetEnabled(false);
    group->SetEnabled(false);

    const struct {
        const char* name;
        CTestView* view;
        bool request;
        bool effective;
        std::vector<bool> changes;
    } kCases[] = {
        {"plain view in a disabled group", plain, true, false, {false}},
        {"drop receiver in a disabled group", receiver, true, true, {}},
        {"disabled view asked again", off, false, false, {false}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        c.view->SetEnabled(c.request);
        EXPECT_EQ(c.view->IsEnabled(), c.effective);
        EXPECT_EQ(c.view->mEnabledChanges, c.changes);
    }

    group->SetEnabled(true);
    EXPECT_TRUE(plain->IsEnabled());
    EXPECT_TRUE(receiver->IsEnabled());
    EXPECT_FALSE(off->IsEnabled());
    EXPECT_EQ(off->mEnabledChanges, std::vector<bool>{false});
}

TEST_F(ViewTest, SettingTheSameFrameTellsNobody)
{
    auto* view = new CTestView(Root(), CRect(0, 0, 10, 10));
    int changes = 0;
    class CCountingView : public CTestView
    {
    public:
        CCountingView(CABCGroupView* parent, int* changes) : CTestView(parent, CRect(5, 5, 15, 15)), mChanges(changes) {}
        void FrameChanged(const CRect&, const CRect&) override { ++*mChanges; }
        int* mChanges;
    };
    auto* counting = new CCountingView(Root(), &changes);
    counting->SetFrame(CRect(5, 5, 15, 15));
    EXPECT_EQ(changes, 0);
    counting->MoveTo(CPoint(6, 5));
    counting->SetSize(CPoint(10, 10));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(*counting->GetFrame(), CRect(6, 5, 16, 15));
    EXPECT_EQ(view->HitTest(CPoint(50, 50)), Root());
    EXPECT_EQ(Root()->HitTest(CPoint(-1, 0)), nullptr);
}

namespace {

std::vector<CRect> gInvalidatedRects;
int gInvalidatedRegions = 0;

// Records what reaches the platform's invalidation instead of invalidating.
class CRecordedInvalidation
{
public:
    CRecordedInvalidation()
    {
        gInvalidatedRects.clear();
        gInvalidatedRegions = 0;
    }

private:
    CScopedTableEntry<decltype(CWindowTable::InvalidateRect)> mRect{
        GetWindowTable().InvalidateRect, [](HWND, const RECT* rect, BOOL) -> BOOL {
            gInvalidatedRects.push_back(rect != nullptr ? CRect(rect->left, rect->top, rect->right, rect->bottom)
                                                        : kEverythingRect);
            return TRUE;
        }};
    CScopedTableEntry<decltype(CWindowTable::InvalidateRgn)> mRegion{GetWindowTable().InvalidateRgn,
                                                                      [](HWND, HRGN, BOOL) -> BOOL {
                                                                          ++gInvalidatedRegions;
                                                                          return TRUE;
                                                                      }};
};

} // namespace

TEST_F(ViewTest, InvalidationClimbsUntilTheRootTakesIt)
{
    auto* group = new CStandardGroupView(Root(), CRect(10, 10, 60, 60));
    auto* inner = new CTestView(group, CRect(10, 10, 20, 20));
    auto* direct = new CTestView(Root(), CRect(100, 100, 110, 110));
    const CRecordedInvalidation recorded;

    inner->InvalidateFrameRect(CRect(70, 70, 80, 80));
    EXPECT_TRUE(gInvalidatedRects.empty());

    inner->InvalidateFrameRect(CRect(50, 50, 80, 80));
    EXPECT_EQ(gInvalidatedRects, std::vector<CRect>{CRect(50, 50, 60, 60)});

    gInvalidatedRects.clear();
    direct->InvalidateFrameRect(CRect(90, 90, 130, 140));
    EXPECT_EQ(gInvalidatedRects, std::vector<CRect>{CRect(90, 90, 130, 140)});
    EXPECT_EQ(gInvalidatedRegions, 0);
}

TEST_F(ViewTest, AGroupResizedAtItsCornerInvalidatesOnlyTheDifference)
{
    auto* group = new CSolidColorGroupView(Root(), CRect(10, 10, 50, 50));
    mWindow->UpdateNow();
    group->SetFrame(CRect(10, 10, 70, 50));
    const HRGN update = GetWindowTable().CreateRectRgn(0, 0, 0, 0);
    GetWindowTable().GetUpdateRgn(mWindow->GetWindowHandle(), update, FALSE);
    const HRGN expected = GetWindowTable().CreateRectRgn(50, 10, 70, 50);
    EXPECT_TRUE(GetWindowTable().EqualRgn(update, expected));
    GetWindowTable().DeleteObject(update);
    GetWindowTable().DeleteObject(expected);

    const CRecordedInvalidation recorded;
    group->SetFrame(CRect(20, 10, 80, 50));
    EXPECT_EQ(gInvalidatedRects, (std::vector<CRect>{CRect(10, 10, 70, 50), CRect(20, 10, 80, 50)}));
}

TEST_F(ViewTest, OnlyOneViewTracksAtATime)
{
    auto* first = new CTestView(Root(), CRect(0, 0, 10, 10));
    auto* second = new CTestView(Root(), CRect(10, 0, 20, 10));
    ASSERT_TRUE(BeginTracking(first));
    EXPECT_FALSE(BeginTracking(second));
    EXPECT_EQ(GetTrackingView(), first);
    EXPECT_TRUE(IsMouseBusy());
    EndTrackingIfTracking(second);
    EXPECT_TRUE(second->mMouseUps.empty());
    EndTrackingIfTracking(first);
    EXPECT_EQ(first->mMouseUps, std::vector<std::int32_t>{CView::kMouseUpCutOff});
    EXPECT_EQ(GetTrackingView(), nullptr);
    EXPECT_FALSE(IsMouseBusy());
}

TEST_F(ViewTest, HoverEntersAndLeavesOnce)
{
    auto* a = new CHoverView(Root(), CRect(0, 0, 10, 10));
    auto* b = new CHoverView(Root(), CRect(10, 0, 20, 10));
    SetHoverView(a);
    SetHoverView(a);
    SetHoverView(b);
    SetHoverView(nullptr);
    EXPECT_EQ(a->mEntered, 1);
    EXPECT_EQ(a->mLeft, 1);
    EXPECT_EQ(b->mEntered, 1);
    EXPECT_EQ(b->mLeft, 1);
}

TEST_F(ViewTest, ADeletedViewLeavesNoFocusRequestBehind)
{
    auto* view = new CFocusView(Root(), CRect(0, 0, 10, 10));
    mWindow->AddFocusTarget(view);
    const CMouseEvent press(CMouseEvent::kPress, CPoint(5, 5), 0, CModifierKeys(), false);
    EXPECT_EQ(mWindow->HandleMouseDown(press).GetValue(), CMouseDownResult::kHandled);
    EXPECT_EQ(mWindow->GetRequestedFocusView(), view);
    delete view;
    EXPECT_EQ(mWindow->GetRequestedFocusView(), nullptr);
    EXPECT_TRUE(mWindow->GetFocusOrder().empty());
    EXPECT_EQ(CView::GetBackgroundColor(new CTestView(Root(), CRect())), mWindow->GetBackgroundColor());
}

namespace {

int gPolls = 0;
int gReleaseAfterPolls = 0;
POINT gCursor{};
ULONGLONG gNow = 0;

class CFakeMouse
{
public:
    CFakeMouse(POINT cursor, int releaseAfterPolls)
    {
        gPolls = 0;
        gReleaseAfterPolls = releaseAfterPolls;
        gCursor = cursor;
        gNow = 1000;
    }

private:
    CScopedTableEntry<decltype(CWindowTable::GetCursorPos)> mCursor{GetWindowTable().GetCursorPos,
                                                                     [](LPPOINT out) -> BOOL {
                                                                         ++gPolls;
                                                                         *out = gCursor;
                                                                         return TRUE;
                                                                     }};
    CScopedTableEntry<decltype(CWindowTable::GetAsyncKeyState)> mButton{
        GetWindowTable().GetAsyncKeyState,
        [](int) { return static_cast<SHORT>(gPolls < gReleaseAfterPolls ? 0x8000 : 0); }};
    CScopedTableEntry<decltype(CWindowTable::GetSystemMetrics)> mSwap{GetWindowTable().GetSystemMetrics,
                                                                       [](int) { return 0; }};
    // Every reading of the clock is a minute later.
    CScopedTableEntry<decltype(CKernelTable::GetTickCount64)> mClock{GetKernelTable().GetTickCount64, [] {
        gNow += 60000;
        return gNow;
    }};
    CScopedTableEntry<decltype(CKernelTable::GetTickCount)> mClock32{
        GetKernelTable().GetTickCount, [] { return static_cast<DWORD>(gNow += 60000); }};
    CScopedTableEntry<decltype(CKernelTable::Sleep)> mSleep{GetKernelTable().Sleep, [](DWORD) {}};
};

} // namespace

TEST_F(ViewTest, WaitForDragAnswersLeftReleasedOrTimedOut)
{
    auto* view = new CTestView(Root(), CRect(0, 0, 50, 50));
    const CPoint screen = view->PointToScreen(CPoint(10, 10));
    const POINT onPress{screen.GetX(), screen.GetY()};
    const CMouseEvent press(CMouseEvent::kPress, CPoint(10, 10), 0, CModifierKeys(), false);
    const CMouseEvent simulated(CMouseEvent::kPress, CPoint(10, 10), 0, CModifierKeys(), true);
    {
        const CFakeMouse mouse(onPress, 100);
        EXPECT_EQ(CView::WaitForDrag(view, press, 0, 0), CView::kDragLeftZone);
        EXPECT_EQ(gPolls, 1);
    }
    {
        const CFakeMouse mouse(onPress, 100);
        EXPECT_EQ(CView::WaitForDrag(view, simulated, 4, 0), CView::kDragReleased);
        EXPECT_EQ(gPolls, 0);
    }
    {
        const CFakeMouse mouse(onPress, 5);
        EXPECT_EQ(CView::WaitForDrag(view, press, 4, 0), CView::kDragReleased);
        EXPECT_EQ(gPolls, 5);
    }
    {
        const CFakeMouse mouse(onPress, 100);
        EXPECT_EQ(CView::WaitForDrag(view, press, 4, 10), CView::kDragTimedOut);
    }
    {
        const CFakeMouse mouse(POINT{onPress.x + 4, onPress.y}, 100);
        EXPECT_EQ(CView::WaitForDrag(view, press, 4, 0), CView::kDragLeftZone);
    }
}
