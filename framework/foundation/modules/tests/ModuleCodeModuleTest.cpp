#include "framework/foundation/modules/CodeModule.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/modules/tests/ModuleTestSupport.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"
#include "tests/support/TestThreads.h"

#include <gtest/gtest.h>


using namespace NSTramvell;
using namespace NSModuleTestSupport;

namespace {

class CTestCodeModule : public CABCCodeModule
{
public:
    explicit CTestCodeModule(const CCodeModuleInfo& info)
        : CABCCodeModule(info)
    {
    }
};

CCodeModuleInfo MakeProgramInfo(const std::string& name)
{
    const CFileSpec program = GetProgramFile();
    return CCodeModuleInfo(program.GetDirSpec(), name, OpenProgramModule(), ::GetModuleHandleA(nullptr));
}

bool IsMainThreadOnAnotherThread()
{
    bool answer = true;
    NSTestSupport::RunOnThreads(1, [&answer](int) { answer = CABCCodeModule::IsMainThread(); });
    return answer;
}

} // namespace

TEST(CABCCodeModule, WithoutModuleThereIsNoCurrentAndEveryThreadIsMain)
{
    ASSERT_EQ(CABCCodeModule::GetCurrent(), nullptr);
    EXPECT_TRUE(CABCCodeModule::IsMainThread());
    EXPECT_TRUE(IsMainThread());
    EXPECT_TRUE(IsMainThreadOnAnotherThread());
}

TEST(CABCCodeModule, FirstModuleIsCurrentUntilItEnds)
{
    ASSERT_EQ(CABCCodeModule::GetCurrent(), nullptr);
    {
        CTestCodeModule application(MakeProgramInfo("Dravim Tests"));
        EXPECT_EQ(CABCCodeModule::GetCurrent(), &application);
        EXPECT_TRUE(CABCCodeModule::IsMainThread());
        EXPECT_FALSE(IsMainThreadOnAnotherThread());
        {
            // A later module changes nothing, and its end leaves the first current.
            CTestCodeModule later(MakeProgramInfo("Later"));
            EXPECT_EQ(CABCCodeModule::GetCurrent(), &application);
        }
        EXPECT_EQ(CABCCodeModule::GetCurrent(), &application);
        EXPECT_FALSE(IsMainThreadOnAnotherThread());
    }
    EXPECT_EQ(CABCCodeModule::GetCurrent(), nullptr);
    EXPECT_TRUE(IsMainThreadOnAnotherThread());
}

TEST(CABCCodeModule, DescribesItsModule)
{
    const CTestCodeModule application(MakeProgramInfo("Dravim Tests"));
    EXPECT_EQ(application.GetName(), "Dravim Tests");
    EXPECT_EQ(application.GetFolder(), GetProgramFile().GetDirSpec());
    EXPECT_EQ(application.GetInstanceHandle(), ::GetModuleHandleA(nullptr));
    EXPECT_EQ(application.GetResourceFile().GetHandle(), ::GetModuleHandleA(nullptr));
    EXPECT_TRUE(application.GetResourceFile().HasResource("SSTR", 128));
    const CTramvellFileVersion version = application.GetVersion();
    EXPECT_EQ(version.GetText(), "3.1Dev7 build 42");
    EXPECT_EQ(version.GetBuildNumber(), 42);
}

TEST(CABCCodeModule, ModuleWithoutVersionBlockFailsConstruction)
{
    const CModuleReference unversioned = OpenModule(GetFixtureLibrary("Unversioned"));
    const CCodeModuleInfo info(GetProgramFile().GetDirSpec(), "No version", unversioned, unversioned.GetHandle());
    EXPECT_THROW(CTestCodeModule{info}, XFileNotFound);
    EXPECT_EQ(CABCCodeModule::GetCurrent(), nullptr);
}
