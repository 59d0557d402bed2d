#include "framework/gui/input/ToolTipRelay.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

TEST(GetToolTipRelay, PressesComeWithTheirReleaseAndRightDoubleClicksNotAtAll)
{
    const struct
    {
        std::uint32_t message;
        std::uint32_t relayed;
        std::uint32_t followUp;
    } kCases[] = {
        {0x200, 0x200, 0},     {0x201, 0x201, 0x202}, {0x202, 0x202, 0}, {0x203, 0x203, 0x202},
        {0x204, 0x204, 0x205}, {0x205, 0x205, 0},     {0x206, 0, 0},     {0x207, 0x207, 0x208},
        {0x208, 0x208, 0},     {0x209, 0, 0},         {0x1FF, 0, 0},     {0x20A, 0, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.message);
        const CToolTipRelay relay = GetToolTipRelay(c.message);
        EXPECT_EQ(relay.mMessage, c.relayed);
        EXPECT_EQ(relay.mFollowUp, c.followUp);
    }
}
