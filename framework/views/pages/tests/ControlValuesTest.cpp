#include "framework/views/pages/ControlValues.h"

#include "framework/views/pages/ControlFrames.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

TEST(DragValue, MovesTheValueBySpanPerDragPixels)
{
    const CPoint start(50, 50);
    const struct
    {
        const char* what;
        CPoint current;
        std::int32_t dragPixels;
        std::int32_t orientation;
        std::int32_t value;
    } kCases[] = {
        {"up raises a vertical value", CPoint(50, 40), 100, kDragVertical, 600},
        {"down lowers it", CPoint(50, 60), 100, kDragVertical, 400},
        {"sideways leaves it", CPoint(90, 50), 100, kDragVertical, 500},
        {"right raises a horizontal value", CPoint(60, 50), 100, kDragHorizontal, 600},
        {"left lowers it", CPoint(40, 50), 100, kDragHorizontal, 400},
        {"truncated toward zero, up", CPoint(50, 47), 400, kDragVertical, 507},
        {"truncated toward zero, down", CPoint(50, 53), 400, kDragVertical, 493},
        {"fine mode: four times the pixels", CPoint(50, 10), 400, kDragVertical, 600},
        {"another orientation", CPoint(0, 0), 100, 3, 500},
        {"no pixels", CPoint(50, 0), 0, kDragVertical, 500},
        {"negative pixels", CPoint(50, 0), -10, kDragVertical, 500},
        {"far beyond the span, not wrapped", CPoint(50, -3000000), 1, kDragVertical, INT32_MAX},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DragValue(500, start, c.current, c.dragPixels, 1000, c.orientation), c.value);
    }
}

TEST(FaderHandleOffset, SpreadsTheValueOverTheTrackLeftBesideTheHandle)
{
    const struct { std::int32_t value; std::int32_t offset; } kCases[] = {
        {0, 0}, {500, 45}, {999, 89}, {111, 9}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FaderHandleOffset(c.value, 100, 10), c.offset);
    }
}

TEST(ControlValues, ClampsFramesAndSnapZones)
{
    EXPECT_EQ(ClampControlValue(-1), 0);
    EXPECT_EQ(ClampControlValue(1000), 999);
    EXPECT_EQ(ClampControlValue(321), 321);

    const struct { std::int32_t value; std::uint16_t frameCount; std::uint16_t frame; } kFrames[] = {
        {0, 32, 0}, {999, 32, 31}, {500, 32, 16}, {-40, 32, 0}, {5000, 32, 31}, {700, 0, 0}, {999, 1, 0}};
    for (const auto& c : kFrames) {
        SCOPED_TRACE(testing::Message() << c.value << " of " << c.frameCount);
        EXPECT_EQ(SequenceFrameForValue(c.value, c.frameCount), c.frame);
    }

    const struct { std::int32_t value; std::int32_t snapped; } kSnaps[] = {
        {449, 449}, {450, 450}, {470, 450}, {499, 450}, {500, 500}};
    for (const auto& c : kSnaps) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(SnapToZone(c.value, 450, 50), c.snapped);
    }
    EXPECT_EQ(SnapToZone(450, 450, 0), 450);
    EXPECT_EQ(SnapToZone(460, 450, 0), 460);
}

TEST(PopupButtonFrameFromRect, RisesOnePixelAndTakesTheFixedHeight)
{
    EXPECT_EQ(PopupButtonFrameFromRect(CRect(10, 40, 110, 52)), CRect(10, 39, 110, 60));
    EXPECT_EQ(PopupButtonFrameFromRect(CRect(0, 0, 50, 30)), CRect(0, -1, 50, 20));
}
