#pragma once

// The application of a window-layer test: one per test, made from the running test program's module (which
// links a version block and the common alerts), its start hook running the test's steps. It records what
// the framework asks of it, and the alerts go to a log instead of the screen.

#include "framework/foundation/platform/IdleManager.h"
#include "framework/gui/application/Alerts.h"
#include "framework/gui/application/Application.h"

#include <functional>
#include <string>
#include <vector>

namespace NSGuiTest {

NSTramvell::CApplicationParameters MakeTestApplicationParameters(const std::string& commandLine = "");

class CTestApplication : public NSTramvell::CApplication
{
public:
    using TSteps = std::function<void(CTestApplication&)>;

    explicit CTestApplication(TSteps startSteps = {}, const std::string& commandLine = "");

    void StartUp() override;
    void ShutDown() override { mCalls.push_back("ShutDown"); }
    bool CanQuit() override;
    void PurgeBitmapCache() override;
    void OpenFolder(const NSTramvell::CDirSpec& folder) override;
    void OpenFile(const NSTramvell::CFileSpec& file) override;
    void OpenWithoutDocument() override { mCalls.push_back("OpenWithoutDocument"); }
    bool MayPurgeCaches() override { return mMayPurgeCaches; }

    // What the framework called, in order: "StartUp", "CanQuit", "file <path>", "folder <path>", ...
    std::vector<std::string> mCalls;
    bool mMayQuit = true;
    bool mMayPurgeCaches = true;
    int mBitmapCachePurges = 0;

private:
    TSteps mStartSteps;
};

// Runs the test's code as an idle client of the given interval code for its lifetime.
class CTestIdleClient : public NSTramvell::IIdleable
{
public:
    CTestIdleClient(std::int32_t intervalCode, std::function<void()> onIdle);
    ~CTestIdleClient() override;
    CTestIdleClient(const CTestIdleClient&) = delete;
    CTestIdleClient& operator=(const CTestIdleClient&) = delete;

    void OnIdle(const NSTramvell::CIdleInfo&) override;
    int GetRunCount() const { return mRunCount; }

private:
    std::function<void()> mOnIdle;
    int mRunCount = 0;
};

struct CRecordedAlert
{
    std::string mScript;
    std::vector<std::string> mParameters;
};

// Takes the alerts for its lifetime and answers each with the first button, or runs the test's hook.
class CAlertLog : public NSTramvell::NSTramvellInternal::IAlertRecorder
{
public:
    CAlertLog();
    ~CAlertLog();
    CAlertLog(const CAlertLog&) = delete;
    CAlertLog& operator=(const CAlertLog&) = delete;

    std::uint32_t RecordAlert(const std::string& script, const std::vector<std::string>& parameters) override;

    std::vector<CRecordedAlert> mAlerts;
    std::function<void()> mWhileShown;   // runs inside each alert, as a modal alert would let code run

private:
    NSTramvell::NSTramvellInternal::IAlertRecorder* mPrevious;
};

} // namespace NSGuiTest
