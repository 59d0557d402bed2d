// The radio selection and the fader's arithmetic, without controls.

#include "framework/views/choices/ChoiceRules.h"

#include <gtest/gtest.h>

using NSTramvell::CRadioSelection;
using NSTramvell::CRect;

TEST(CRadioSelection, OffersOnlyNewsAndHandsThePendingIndexOverOnce)
{
    CRadioSelection selection;
    EXPECT_TRUE(selection.ShouldOffer(0));
    selection.SetSelected(1);
    EXPECT_FALSE(selection.ShouldOffer(1));
    selection.BeginOffer(2);
    EXPECT_FALSE(selection.ShouldOffer(2));
    EXPECT_TRUE(selection.ShouldOffer(1));   // while an offer is pending, the selection is news again
    std::uint16_t index = 0;
    EXPECT_TRUE(selection.TakePending(index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(selection.TakePending(index));
    selection.BeginOffer(0);
    selection.EndOffer();
    EXPECT_FALSE(selection.TakePending(index));
}

TEST(CRadioSelection, RemovingAChildKeepsTheSelectionOnItsButton)
{
    const struct
    {
        std::uint16_t mSelected, mRemoved, mExpected;
    } kCases[] = {{1, 0, 0}, {1, 1, CRadioSelection::kNone}, {1, 2, 1}, {CRadioSelection::kNone, 0, CRadioSelection::kNone}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.mSelected << " less " << c.mRemoved);
        CRadioSelection selection;
        selection.SetSelected(c.mSelected);
        selection.ChildRemoved(c.mRemoved);
        EXPECT_EQ(selection.GetSelected(), c.mExpected);
    }
}

TEST(ChoiceRules, RadioStepsWrapAtBothEnds)
{
    EXPECT_EQ(NSTramvell::StepRadioIndex(2, 1, 3), 0);
    EXPECT_EQ(NSTramvell::StepRadioIndex(0, -1, 3), 2);
    EXPECT_EQ(NSTramvell::StepRadioIndex(1, 1, 3), 2);
    EXPECT_EQ(NSTramvell::StepRadioIndex(0, 1, 0), CRadioSelection::kNone);
}

TEST(ChoiceRules, FaderPagesPositionsFramesAndStyles)
{
    const struct
    {
        std::uint16_t mMaximum, mPage;
    } kPages[] = {{19, 1}, {20, 2}, {255, 25}, {0, 1}};
    for (const auto& p : kPages) {
        SCOPED_TRACE(p.mMaximum);
        EXPECT_EQ(NSTramvell::GetFaderPageSize(p.mMaximum), p.mPage);
    }

    using NSTramvell::kFaderHorizontal;
    using NSTramvell::kFaderVertical;
    EXPECT_EQ(NSTramvell::FaderValueToPosition(kFaderVertical, 100, 10), 90);
    EXPECT_EQ(NSTramvell::FaderValueToPosition(kFaderHorizontal, 100, 10), 10);
    EXPECT_EQ(NSTramvell::FaderPositionToValue(kFaderVertical, 100, 0), 100);
    EXPECT_EQ(NSTramvell::FaderPositionToValue(kFaderVertical, 100, 130), 0);
    EXPECT_EQ(NSTramvell::FaderPositionToValue(kFaderHorizontal, 100, 130), 100);
    EXPECT_EQ(NSTramvell::FaderPositionToValue(kFaderHorizontal, 100, -4), 0);

    EXPECT_EQ(NSTramvell::ThickenFaderFrame(CRect(10, 20, 200, 30), kFaderHorizontal), CRect(10, 20, 200, 45));
    EXPECT_EQ(NSTramvell::ThickenFaderFrame(CRect(10, 20, 200, 300), kFaderVertical), CRect(10, 20, 35, 300));

    const struct
    {
        std::int32_t mOrientation, mTicks;
        std::uint32_t mStyle;
    } kStyles[] = {{kFaderHorizontal, 2, 0x50000010u}, {kFaderVertical, 2, 0x50000012u},
                   {kFaderHorizontal, 1, 0x50000014u}, {kFaderVertical, 3, 0x5000001Au}};
    for (const auto& s : kStyles) {
        SCOPED_TRACE(testing::Message() << s.mOrientation << " " << s.mTicks);
        EXPECT_EQ(NSTramvell::GetFaderStyle(s.mOrientation, s.mTicks), s.mStyle);
    }
}
