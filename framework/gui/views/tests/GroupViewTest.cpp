#include "framework/gui/views/GroupView.h"

#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/TestWindow.h"
#include "framework/gui/tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <stdexcept>

using namespace NSTramvell;
using NSGuiTest::CTestView;
using NSGuiTest::CTestWindow;

TEST(CABCGroupView, OfOverlappingChildrenTheEarlierGetsThePressAndTheHit)
{
    CTestWindow window;
    std::vector<std::string> log;
    auto* group = new CStandardGroupView(window.GetRootView(), CRect(0, 0, 100, 100));
    auto* earlier = new CTestView(group, CRect(0, 0, 50, 50), "earlier", &log);
    auto* later = new CTestView(group, CRect(25, 25, 75, 75), "later", &log);
    const CMouseEvent press(CMouseEvent::kPress, CPoint(30, 30), 0, CModifierKeys(), false);

    EXPECT_EQ(group->HitTest(CPoint(30, 30)), earlier);
    EXPECT_EQ(group->HitTest(CPoint(60, 60)), later);
    EXPECT_EQ(group->HitTest(CPoint(90, 10)), group);
    EXPECT_EQ(group->HitTest(CPoint(200, 10)), window.GetRootView());
    EXPECT_EQ(group->HandleMouseDown(press).GetValue(), CMouseDownResult::kHandled);
    EXPECT_EQ(log, std::vector<std::string>{"earlier:press"});

    // One that does not take the press lets the next child under the point have it; a disabled one is passed.
    earlier->mHandlesPress = false;
    log.clear();
    EXPECT_EQ(group->HandleMouseDown(press).GetValue(), CMouseDownResult::kHandled);
    EXPECT_EQ(log, (std::vector<std::string>{"earlier:press", "later:press"}));
    earlier->SetEnabled(false);
    log.clear();
    group->HandleMouseDown(press);
    EXPECT_EQ(log, std::vector<std::string>{"later:press"});
    const CMouseEvent outside(CMouseEvent::kPress, CPoint(150, 30), 0, CModifierKeys(), false);
    EXPECT_EQ(group->HandleMouseDown(outside).GetValue(), CMouseDownResult::kNotHandled);
}

TEST(CABCGroupView, ReEnablingRestoresEachChildsOwnFlag)
{
    CTestWindow window;
    auto* outer = new CStandardGroupView(window.GetRootView(), CRect(0, 0, 100, 100));
    auto* inner = new CStandardGroupView(outer, CRect(0, 0, 50, 50));
    auto* on = new CTestView(inner, CRect(0, 0, 10, 10));
    auto* off = new CTestView(inner, CRect(10, 0, 20, 10));
    off->SetEnabled(false);
    outer->SetEnabled(false);
    EXPECT_FALSE(inner->IsEnabled());
    EXPECT_FALSE(on->IsEnabled());
    outer->SetEnabled(true);
    EXPECT_TRUE(inner->IsEnabled());
    EXPECT_TRUE(on->IsEnabled());
    EXPECT_FALSE(off->IsEnabled());
    EXPECT_EQ(on->mEnabledChanges, (std::vector<bool>{false, true}));
    EXPECT_EQ(off->mEnabledChanges, std::vector<bool>{false});
}

TEST(CABCGroupView, ChildrenListQueries)
{
    const int livingBefore = CTestView::sLiving;
    CTestWindow window;
    auto* group = new CStandardGroupView(window.GetRootView(), CRect(0, 0, 100, 100));
    auto* first = new CTestView(group, CRect(0, 0, 10, 10));
    auto* second = new CTestView(group, CRect(10, 0, 20, 10));
    auto* stranger = new CTestView(window.GetRootView(), CRect(0, 0, 10, 10));
    EXPECT_EQ(group->IndexOfChild(second), 1u);
    EXPECT_EQ(group->IndexOfChild(stranger), 3u);
    EXPECT_TRUE(CABCGroupView::IsAncestorOf(window.GetRootView(), first));
    EXPECT_FALSE(CABCGroupView::IsAncestorOf(group, stranger));

    group->MoveBy(5, 7);
    EXPECT_EQ(*second->GetFrame(), CRect(15, 7, 25, 17));

    ASSERT_TRUE(BeginTracking(first));
    EXPECT_TRUE(CABCGroupView::ContainsMouseHolder(group));
    EndTracking(first);
    EXPECT_FALSE(CABCGroupView::ContainsMouseHolder(group));

    delete first;
    EXPECT_EQ(group->GetChildCount(), 1u);
    group->DeleteAllChildren();
    group->DeleteAllChildren();
    EXPECT_EQ(group->GetChildCount(), 0u);
    EXPECT_EQ(CTestView::sLiving, livingBefore + 1);
}

namespace {

// Draws by logging its name, or throws what it is given.
class CDrawingView : public CTestView
{
public:
    CDrawingView(CABCGroupView* parent, std::string name, std::vector<std::string>* log, int fault = 0)
        : CTestView(parent, CRect(0, 0, 10, 10), std::move(name), log), mFault(fault)
    {
    }
    void Draw(CABCViewDrawSpec&) override
    {
        if (mFault == 1)
            throw std::runtime_error("broken");
        if (mFault == 2)
            throw std::bad_alloc();
        mLog->push_back(mName);
    }
    int mFault;
};

} // namespace

TEST(CABCGroupView, AFailureEndsOnlyTheGroupsOwnDrawing)
{
    NSGuiTest::CTestApplication application;
    CTestWindow window;
    std::vector<std::string> log;
    auto* broken = new CStandardGroupView(window.GetRootView(), CRect(0, 0, 50, 50));
    new CDrawingView(broken, "a", &log);
    new CDrawingView(broken, "fails", &log, 1);
    new CDrawingView(broken, "b", &log);
    auto* starved = new CStandardGroupView(window.GetRootView(), CRect(50, 0, 100, 50));
    new CDrawingView(starved, "c", &log);
    new CDrawingView(starved, "no memory", &log, 2);
    new CDrawingView(window.GetRootView(), "d", &log);
    NSTramvell::CPrimitiveOffscreenDrawSpec drawSpec(nullptr);

    window.GetRootView()->Draw(drawSpec);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_TRUE(application.IsLowMemory());
}
