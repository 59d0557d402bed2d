#include "framework/gui/input/FocusOrder.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {

struct FakeView
{
    const char* name;
    bool focusTarget;
    bool enabled;
};

const auto kEligible = [](const FakeView* view) { return view->focusTarget && view->enabled; };

// a, [b disabled], [c no target], d, e, [f disabled]
struct FocusOrderFixture
{
    FakeView a{"a", true, true};
    FakeView b{"b", true, false};
    FakeView c{"c", false, true};
    FakeView d{"d", true, true};
    FakeView e{"e", true, true};
    FakeView f{"f", true, false};
    FakeView stranger{"stranger", true, true};
    std::vector<FakeView*> order{&a, &b, &c, &d, &e, &f};
};

const char* NameOf(const FakeView* view)
{
    return view != nullptr ? view->name : "none";
}

} // namespace

TEST(FocusOrder, TabAndShiftTabSkipIneligibleViewsAndWrap)
{
    FocusOrderFixture views;
    const struct
    {
        const FakeView* focus;
        const char* tab;
        const char* backTab;
        const char* successor;
    } kCases[] = {
        {nullptr, "a", "none", "none"},     {&views.a, "d", "e", "d"}, {&views.d, "e", "a", "e"},
        {&views.e, "a", "d", "none"},       {&views.b, "d", "a", "d"}, {&views.f, "a", "e", "none"},
        {&views.stranger, "a", "e", "none"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(NameOf(c.focus));
        EXPECT_STREQ(NameOf(FindTabTarget(views.order, c.focus, kEligible)), c.tab);
        EXPECT_STREQ(NameOf(FindBackTabTarget(views.order, c.focus, kEligible)), c.backTab);
        EXPECT_STREQ(NameOf(FindFocusSuccessor(views.order, c.focus, kEligible)), c.successor);
    }
}

TEST(FocusOrder, NothingEligibleGivesNone)
{
    FocusOrderFixture views;
    views.a.enabled = views.d.enabled = views.e.enabled = false;
    EXPECT_EQ(FindTabTarget(views.order, &views.a, kEligible), nullptr);
    EXPECT_EQ(FindBackTabTarget(views.order, &views.a, kEligible), nullptr);
    EXPECT_EQ(FindFirstEligible(views.order, kEligible), nullptr);
    EXPECT_EQ(FindLastEligible(std::vector<FakeView*>(), kEligible), nullptr);
}
