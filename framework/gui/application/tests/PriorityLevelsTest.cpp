#include "framework/gui/application/PriorityLevels.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

TEST(PriorityLevels, MapTheFourClassesBothWaysAndAnythingElseToNormal)
{
    const struct
    {
        std::uint32_t priorityClass;
        std::int32_t level;
    } kCases[] = {{64, 0}, {32, 1}, {128, 2}, {256, 3}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.priorityClass);
        EXPECT_EQ(PriorityClassToLevel(c.priorityClass), c.level);
        EXPECT_EQ(PriorityLevelToClass(c.level), c.priorityClass);
    }
    EXPECT_EQ(PriorityClassToLevel(0x4000), 1);
    EXPECT_EQ(PriorityClassToLevel(0), 1);
    EXPECT_EQ(PriorityLevelToClass(4), 32u);
    EXPECT_EQ(PriorityLevelToClass(-1), 32u);
}
