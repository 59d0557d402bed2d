#include "framework/gui/application/win32/FrameSettings.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {

constexpr char kTestModule[] = "Dravim Frame Settings Test";
const std::string kTestKey = std::string("Software\\Quenholt Software\\") + kTestModule;

class FrameSettingsTest : public testing::Test
{
protected:
    FrameSettingsTest() { ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey.c_str()); }
    ~FrameSettingsTest() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey.c_str()); }
};

} // namespace

TEST_F(FrameSettingsTest, ReadsBackWhatItStoredAndNothingBefore)
{
    const CFrameSettings none = ReadFrameSettings(kTestModule);
    EXPECT_FALSE(none.mPlacement.has_value());
    EXPECT_FALSE(none.mStayOnTop.has_value());

    const TWindowPlacement placement = {44, 0, 1, 10, 20, 30, 40, 100, 200, 300, 400};
    WriteFrameSettings(kTestModule, placement, true);
    const CFrameSettings stored = ReadFrameSettings(kTestModule);
    EXPECT_EQ(stored.mPlacement, placement);
    EXPECT_EQ(stored.mStayOnTop, true);
}

TEST_F(FrameSettingsTest, AValueOfAnotherSizeIsRefused)
{
    WriteFrameSettings(kTestModule, TWindowPlacement{44}, false);
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const BYTE shortPlacement[3] = {44, 0, 0};
    ::RegSetValueExA(key, "MainFramePlacement", 0, REG_BINARY, shortPlacement, sizeof shortPlacement);
    ::RegCloseKey(key);
    EXPECT_THROW(ReadFrameSettings(kTestModule), XBadFormat);
}
