#include "framework/foundation/trace/Verify.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/IdleManager.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

struct CBoxCall
{
    HWND mOwner;
    std::string mText;
    std::string mCaption;
    UINT mStyle;
    bool mIdleRanDuringBox;
};

std::vector<CBoxCall> gBoxes;
std::int64_t gIdleClock = 0;

class CCountingIdleClient : public IIdleable
{
public:
    void OnIdle(const CIdleInfo&) override { ++mRuns; }
    int mRuns = 0;
};

CCountingIdleClient* gIdleClient = nullptr;

// Runs idle processing while the box is up and tells whether the client ran.
bool RunIdleOnce()
{
    const int before = gIdleClient->mRuns;
    GetIdleManager().DoIdle(++gIdleClock);
    return gIdleClient->mRuns != before;
}

int RecordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style)
{
    gBoxes.push_back({owner, text, caption, style, RunIdleOnce()});
    return IDOK;
}

// A registered idle client and a recording message box for one test.
class CVerifyBoxFixture : public testing::Test
{
protected:
    CVerifyBoxFixture()
        : mBox(GetWindowTable().MessageBoxA, &RecordBox)
    {
        gBoxes.clear();
        gIdleClient = &mIdleClient;
        GetIdleManager().Register(&mIdleClient, 0);
    }
    ~CVerifyBoxFixture() override
    {
        GetIdleManager().Unregister(&mIdleClient);
        gIdleClient = nullptr;
        SetVerifyHandler(nullptr);
    }

    CCountingIdleClient mIdleClient;
    CScopedTableEntry<int (*)(HWND, LPCSTR, LPCSTR, UINT)> mBox;
};

TEST_F(CVerifyBoxFixture, InstallerShowsTheBoxUnderTheProgramNameWithIdleSuspended)
{
    const TVerifyHandler outer = [](const char*, int) {};
    SetVerifyHandler(outer);
    {
        CVerifyHandlerInstaller installer("Dravim");
        EXPECT_EQ(GetCurrentVerifyInstaller(), &installer);
        EXPECT_EQ(GetVerifyHandler(), &ShowVerifyFailure);
        EXPECT_EQ(installer.GetPreviousHandler(), outer);
        ReportVerifyFailure("Sample.cpp", 42);
        ReportVerifyFailure(std::string(488, 'f').c_str(), 1);
    }
    EXPECT_EQ(GetCurrentVerifyInstaller(), nullptr);
    EXPECT_EQ(GetVerifyHandler(), outer);
    EXPECT_EQ(GetVerifyProgramName(), "Dravim");

    ASSERT_EQ(gBoxes.size(), 2u);
    EXPECT_EQ(gBoxes[0].mOwner, nullptr);
    EXPECT_EQ(gBoxes[0].mText, "Sample.cpp(42) : VERIFY failure");
    EXPECT_EQ(gBoxes[0].mCaption, "Dravim");
    EXPECT_EQ(gBoxes[0].mStyle, 16u);
    EXPECT_FALSE(gBoxes[0].mIdleRanDuringBox);
    EXPECT_EQ(gBoxes[1].mText, "VERIFY failure (filename to long)");
    EXPECT_FALSE(gBoxes[1].mIdleRanDuringBox);
    EXPECT_TRUE(RunIdleOnce());
}

TEST_F(CVerifyBoxFixture, AFailingBoxIsSwallowedAndIdleResumes)
{
    CScopedTableEntry failingBox(GetWindowTable().MessageBoxA, [](HWND, LPCSTR, LPCSTR, UINT) -> int {
        gBoxes.push_back({nullptr, "", "", 0, RunIdleOnce()});
        throw XBase();
    });
    CVerifyHandlerInstaller installer("Dravim");
    EXPECT_NO_THROW(ReportVerifyFailure("Sample.cpp", 42));
    ASSERT_EQ(gBoxes.size(), 1u);
    EXPECT_FALSE(gBoxes[0].mIdleRanDuringBox);
    EXPECT_TRUE(RunIdleOnce());
}

TEST_F(CVerifyBoxFixture, InstanceReportsASecondInstallerThroughTheFirst)
{
    static CStandardVerifyInstance instance("Second");
    {
        CVerifyHandlerInstaller first("First");
        instance.Initialize();
        ASSERT_EQ(gBoxes.size(), 1u);
        EXPECT_EQ(gBoxes[0].mCaption, "First");
        EXPECT_NE(gBoxes[0].mText.find("Verify.cpp("), std::string::npos) << gBoxes[0].mText;
        EXPECT_NE(GetCurrentVerifyInstaller(), &first);
        ReportVerifyFailure("Sample.cpp", 42);
        ASSERT_EQ(gBoxes.size(), 2u);
        EXPECT_EQ(gBoxes[1].mCaption, "Second");
        instance.Exit();
        EXPECT_EQ(GetVerifyHandler(), &ShowVerifyFailure);
    }
    EXPECT_EQ(GetVerifyHandler(), nullptr);
    EXPECT_EQ(gBoxes.size(), 2u);
}

} // namespace
