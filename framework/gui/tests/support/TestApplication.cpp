#include "framework/gui/tests/support/TestApplication.h"

#include "framework/foundation/modules/ModuleReference.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <gtest/gtest.h>

namespace NSGuiTest {

NSTramvell::CApplicationParameters MakeTestApplicationParameters(const std::string& commandLine)
{
    char path[MAX_PATH] = "";
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    ::GetModuleFileNameA(instance, path, MAX_PATH);
    const NSTramvell::CFileSpec program(path);
    const NSTramvell::CCodeModuleInfo module(program.GetDirSpec(), program.GetName(),
                                             NSTramvell::OpenModule(program, instance), instance);
    NSTramvell::CApplicationParameters parameters(module);
    parameters.mCommandLine = commandLine;
    return parameters;
}

CTestApplication::CTestApplication(TSteps startSteps, const std::string& commandLine)
    : CApplication(MakeTestApplicationParameters(commandLine))
    , mStartSteps(std::move(startSteps))
{
}

void CTestApplication::StartUp()
{
    mCalls.push_back("StartUp");
    if (mStartSteps)
        mStartSteps(*this);
}

bool CTestApplication::CanQuit()
{
    mCalls.push_back("CanQuit");
    return mMayQuit;
}

void CTestApplication::PurgeBitmapCache()
{
    ++mBitmapCachePurges;
    CApplication::PurgeBitmapCache();
}

void CTestApplication::OpenFolder(const NSTramvell::CDirSpec& folder)
{
    mCalls.push_back("folder " + folder.GetPath());
}

void CTestApplication::OpenFile(const NSTramvell::CFileSpec& file)
{
    mCalls.push_back("file " + file.GetFullPath());
}

CTestIdleClient::CTestIdleClient(std::int32_t intervalCode, std::function<void()> onIdle)
    : mOnIdle(std::move(onIdle))
{
    NSTramvell::GetIdleManager().Register(this, intervalCode);
}

CTestIdleClient::~CTestIdleClient()
{
    NSTramvell::GetIdleManager().Unregister(this);
}

void CTestIdleClient::OnIdle(const NSTramvell::CIdleInfo&)
{
    ++mRunCount;
    if (mOnIdle)
        mOnIdle();
}

CAlertLog::CAlertLog()
    : mPrevious(NSTramvell::NSTramvellInternal::SetAlertRecorder(this))
{
}

CAlertLog::~CAlertLog()
{
    NSTramvell::NSTramvellInternal::SetAlertRecorder(mPrevious);
}

std::uint32_t CAlertLog::RecordAlert(const std::string& script, const std::vector<std::string>& parameters)
{
    mAlerts.push_back({script, parameters});
    if (mWhileShown)
        mWhileShown();
    return NSTramvell::kFirstAlertButton;
}

} // namespace NSGuiTest
