#include "framework/gui/application/Application.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/trace/Trace.h"
#include "framework/gui/application/Alerts.h"
#include "framework/gui/application/CommandLine.h"
#include "framework/gui/application/ExceptionAlerts.h"
#include "framework/gui/application/PriorityLevels.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/application/win32/IdlePulse.h"
#include "framework/gui/application/win32/SingleInstance.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

namespace NSTramvell {
namespace {

CApplication* gApplication = nullptr;
std::int32_t gApplicationMode = kDocumentMode;

constexpr std::int32_t kApplicationIdleCode = 23;
// A nested or tracking step dispatches at most this many messages, so views that track the mouse get
// their ticks regularly.
constexpr int kMessagesPerNestedStep = 20;

// The command line's question to the file system.
class CPlatformPathExistence : public IPathExistence
{
public:
    bool PathExists(const std::string& path) override
    {
        try {
            return FileExists(CFileSpec(MakeFullPath(path)));
        } catch (const std::exception&) {
            return false;
        }
    }
};

// Set for one exception report, cleared however it ends.
class CReportingFlag
{
public:
    explicit CReportingFlag(bool& flag)
        : mFlag(flag)
    {
        mFlag = true;
    }
    ~CReportingFlag() { mFlag = false; }
    CReportingFlag(const CReportingFlag&) = delete;
    CReportingFlag& operator=(const CReportingFlag&) = delete;

private:
    bool& mFlag;
};

} // namespace

std::int32_t GetApplicationMode()
{
    return gApplicationMode;
}

namespace NSApplicationInternal {

std::int32_t SetApplicationMode(std::int32_t mode)
{
    const std::int32_t previous = gApplicationMode;
    gApplicationMode = mode;
    return previous;
}

} // namespace NSApplicationInternal

CApplicationParameters::CApplicationParameters(const CCodeModuleInfo& module)
    : mModule(module)
{
}

// Raises the nesting count for one nested pump step.
class CApplication::CNestedStep
{
public:
    explicit CNestedStep(CApplication& application)
        : mApplication(application)
    {
        ++mApplication.mNestingCount;
    }
    ~CNestedStep() { --mApplication.mNestingCount; }
    CNestedStep(const CNestedStep&) = delete;
    CNestedStep& operator=(const CNestedStep&) = delete;

private:
    CApplication& mApplication;
};

CApplication* CApplication::GetApplication()
{
    return gApplication;
}

CApplication::CApplication(const CApplicationParameters& parameters)
    : CABCCodeModule(parameters.mModule)
    , mIdleClient(kApplicationIdleCode, this, &CApplication::DoIdleWork)
    , mCommandLine(parameters.mCommandLine)
    , mShowCommand(parameters.mShowCommand)
{
    gApplication = this;
    CreateStringManager(*this);
    try {
        CheckScreenDepth();
        mQueryCancelAutoPlayMessage = GetWindowTable().RegisterWindowMessageA("QueryCancelAutoPlay");
        InitTimeBase();
        CreateBitmapCache();
        ScreenChanged();
        // A common-controls manifest requires this before the first control is made.
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        GetWindowTable().InitCommonControlsEx(&controls);
        mIdlePulse = std::make_unique<NSApplicationInternal::CIdlePulse>(GetInstanceHandle(),
                                                                          [this] { RunIdleClients(); });
        PrepareLowMemoryDialog();
        mEmergencyReserve = std::make_unique<CMemoryReserve>(65536);
        GetMemoryReserveList().SetLowMemoryListener(this);
        mPreviousNewHandler = std::set_new_handler(&CApplication::HandleShortage);
    } catch (...) {
        ReleaseLowMemoryDialog();
        mIdlePulse.reset();
        DestroyBitmapCache();
        DestroyStringManager();
        gApplication = nullptr;
        throw;
    }
}

CApplication::~CApplication()
{
    std::set_new_handler(mPreviousNewHandler);
    GetMemoryReserveList().SetLowMemoryListener(nullptr);
    mEmergencyReserve.reset();
    ReleaseLowMemoryDialog();
    ClearOpenRequests();
    mIdlePulse.reset();
    mInFront = false;
    DestroyBitmapCache();
    DestroyStringManager();
    gApplication = nullptr;
}

void CApplication::CheckScreenDepth()
{
    CWindowTable& windows = GetWindowTable();
    const HDC screen = windows.GetDC(nullptr);
    const int depth = windows.GetDeviceCaps(screen, BITSPIXEL) * windows.GetDeviceCaps(screen, PLANES);
    windows.ReleaseDC(nullptr, screen);
    if (depth == 8 || depth == 16 || depth == 24 || depth == 32)
        return;
    windows.MessageBoxA(nullptr, "Unsupported color depth, application will quit.", GetName().c_str(), MB_OK);
    throw XBase();
}

void CApplication::Run()
{
    if (GetApplicationMode() == kFrameMode)
        throw XBase();
    try {
        StartUp();
    } catch (...) {
        ReportCurrentException();
        return;
    }
    try {
        if (mRunState == kRunStateQuitRequested) {
            mRunState = kRunStateEnding;
        } else {
            mRunState = kRunStateRunning;
            try {
                if (!HandleCommandLine(mCommandLine))
                    OpenWithoutDocument();
            } catch (...) {
                ReportCurrentException();
            }
            while (mRunState != kRunStateEnding) {
                ProcessEvents(true);
                if (mRunState == kRunStateQuitRequested)
                    SettleQuitRequest();
            }
        }
        try {
            ShutDown();
        } catch (...) {
            ReportCurrentException();
        }
    } catch (...) {
        Trace(0, 0, "An exception left the main loop and was dropped");
    }
}

void CApplication::SettleQuitRequest()
{
    mRunState = kRunStateRunning;
    bool confirmed = false;
    try {
        confirmed = ConfirmQuit();
    } catch (...) {
        ReportCurrentException();
    }
    mRunState = confirmed ? kRunStateEnding : kRunStateRunning;
}

void CApplication::ProcessEvents(bool mayWait)
{
    try {
        CWindowTable& windows = GetWindowTable();
        MSG message;
        const bool mouseHeld = GetTrackingView() != nullptr || GetCaptureView() != nullptr;
        if (mNestingCount == 0 && !mouseHeld) {
            if (mRunState != kRunStateQuitRequested && mRunState != kRunStateEnding) {
                const BOOL fetched = windows.GetMessageA(&message, nullptr, 0, 0);
                // 0 is the platform's quit message: only the run state ends the loop.
                if (fetched != -1 && fetched != 0)
                    DispatchOneMessage(message);
            } else if (windows.PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchOneMessage(message);
            }
            return;
        }
        try {
            TickTrackedViews();
        } catch (...) {
            ReportCurrentException();
        }
        if (windows.PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            int dispatched = 0;
            while (dispatched < kMessagesPerNestedStep && mRunState != kRunStateEnding &&
                   windows.PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchOneMessage(message);
                ++dispatched;
            }
            if (dispatched == kMessagesPerNestedStep)
                RunIdleClients();
        } else {
            RunIdleClients();
            if (mayWait)
                WaitForInput(mouseHeld);
        }
    } catch (...) {
        Trace(0, 0, "An exception left a pump step and was dropped");
    }
}

// A view that follows the mouse is ticked every millisecond. Otherwise nothing is due before input
// arrives or the next idle client is due: a modal dialog that waits for the user sleeps until then
// rather than wake a thousand times a second.
void CApplication::WaitForInput(bool mouseHeld)
{
    if (mouseHeld) {
        GetKernelTable().Sleep(1);
        return;
    }
    const DWORD waitMs =
        static_cast<DWORD>(std::max<std::int32_t>(1, GetIdleManager().GetTimeUntilDue(GetClock())));
    GetWindowTable().MsgWaitForMultipleObjects(0, nullptr, FALSE, waitMs, QS_ALLINPUT);
}

void CApplication::DispatchOneMessage(const MSG& message)
{
    try {
        RunIdleClients();
        switch (message.message) {
        case WM_QUIT:
            return;
        case kPassedCommandLineMessage:
            if (NSApplicationInternal::HasSingleInstanceBlock()) {
                const std::string passed = ReadPassedCommandLine();
                if (!passed.empty())
                    HandleCommandLine(passed);
            }
            return;
        case kIdlePulseMessage:
            // Whatever window it is addressed to: the idle clients have just run.
            if (mIdlePulse != nullptr)
                mIdlePulse->TakePulse();
            return;
        default:
            WakeIdleWork();
            GetWindowTable().TranslateMessage(&message);
            GetWindowTable().DispatchMessageA(&message);
            if (message.message == WM_KEYDOWN)
                HandleMenuShortcut(message);
        }
    } catch (...) {
        ReportCurrentException();
    }
}

void CApplication::RunModalStep()
{
    CNestedStep nested(*this);
    ProcessEvents(true);
}

void CApplication::ProcessPendingEvents()
{
    CNestedStep nested(*this);
    ProcessEvents(false);
}

void CApplication::RunIdleClients()
{
    try {
        GetIdleManager().DoIdle(GetClock());
    } catch (...) {
        ReportCurrentException();
    }
}



std::int32_t CApplication::GetPendingIdlePulses() const
{
    return mIdlePulse->GetPendingCount();
}

void CApplication::SetPendingIdlePulses(std::int32_t count)
{
    mIdlePulse->SetPendingCount(count);
}

void CApplication::DoIdleWork(const CIdleInfo&)
{
    const bool activeBefore = mActivitySinceIdleWork;
    mActivitySinceIdleWork = false;
    if (mMemoryState == kMemoryStateLow) {
        if (!(IsInFront() && IsModalWindowInFront()))
            ShowLowMemoryDialog();
    } else if (!RestoreMemoryReserves()) {
        PurgeBitmapCache();
        if (!RestoreMemoryReserves())
            EnterLowMemoryState();
    }
    DispatchPostedCommand();
    if (IsInFront())
        UpdateCursor();
    else
        SetHoverView(nullptr);
    UpdateFlaggedWindows();
    if (IsReadyForRequests())
        ProcessOpenRequests();
    // A program waiting for a disc with nothing coming in has nothing here to do: the idle work waits for
    // the next message instead of waking the loop 20 times a second. One pass after the last activity
    // takes care of what that activity left.
    const bool nothingWaits =
        mPostedCommands.empty() && mOpenRequests.IsEmpty() && mMemoryState == kMemoryStateNormal;
    if (!activeBefore && !mActivitySinceIdleWork && nothingWaits)
        GetIdleManager().SetDozing(&mIdleClient, true);
}

void CApplication::WakeIdleWork()
{
    mActivitySinceIdleWork = true;
    GetIdleManager().SetDozing(&mIdleClient, false);
}

bool CApplication::TryQuit()
{
    const bool agreed = CanQuit();
    if (agreed)
        mRunState = kRunStateQuitRequested;
    return agreed;
}

bool CApplication::QuitAndDrainEvents()
{
    // Only the main loop settles a quit request; this query comes from inside a step of it, so the
    // request is settled here for the answer to be known.
    if (!TryQuit())
        return false;
    SettleQuitRequest();
    return mRunState == kRunStateEnding;
}

void CApplication::EnterLowMemoryState()
{
    mMemoryState = kMemoryStateLow;
    WakeIdleWork();
}

void CApplication::LeaveLowMemoryState()
{
    mMemoryState = kMemoryStateNormal;
}

void CApplication::SetLowMemoryTexts(const std::string& message, const std::string& detail,
                                     const std::string& button)
{
    SetLowMemoryDialogTexts(message, detail, button);
}

void CApplication::ScreenChanged()
{
    RefreshScreenPalette();
    PurgeBitmapCache();
}

void CApplication::ReportException(const std::exception& exception)
{
    if (mReporting)
        return;
    const CReportingFlag reporting(mReporting);
    // Building and showing the alert needs memory even when memory was what failed.
    const CMemoryReserveRelease reserveFreed(*mEmergencyReserve);
    std::string script;
    GetAlertForException(exception, script);
    if (!script.empty())
        DoAlertScript(script);
}

void CApplication::ReportUnknownException()
{
    if (mReporting)
        return;
    const CReportingFlag reporting(mReporting);
    const CMemoryReserveRelease reserveFreed(*mEmergencyReserve);
    DoAlertScript(GetAlertScript(kCommonAlertReferenceBase + kUnknownProblemAlertEntry));
}

void CApplication::ReportCurrentException() noexcept
{
    try {
        throw;
    } catch (const std::exception& exception) {
        try {
            ReportException(exception);
        } catch (...) {
            Trace(0, 0, "The report of an exception failed and was dropped: %s", exception.what());
        }
    } catch (...) {
        try {
            ReportUnknownException();
        } catch (...) {
            Trace(0, 0, "The report of an unknown exception failed and was dropped");
        }
    }
}

void CApplication::GetAlertForException(const std::exception& exception, std::string& script)
{
    const std::optional<std::int32_t> entry = GetCommonAlertEntry(exception);
    script = entry ? GetAlertScript(kCommonAlertReferenceBase + *entry) : std::string();
}

void CApplication::QueueOpenFile(const CFileSpec& file)
{
    mOpenRequests.QueueFile(file);
    WakeIdleWork();
}

void CApplication::QueueOpenFolder(const CDirSpec& folder)
{
    mOpenRequests.QueueFolder(folder);
    WakeIdleWork();
}

void CApplication::QueueOpenNothing()
{
    mOpenRequests.QueueNothing();
    WakeIdleWork();
}

void CApplication::ProcessOpenRequests()
{
    mOpenRequests.ProcessAll(*this);
}

void CApplication::ClearOpenRequests()
{
    mOpenRequests.Clear();
}

bool CApplication::HandleCommandLine(const std::string& commandLine)
{
    CPlatformPathExistence existence;
    const CCommandLineItems items = SplitCommandLine(commandLine, existence);
    bool opened = false;
    for (const std::string& path : items.mPaths) {
        try {
            if (OpenPath(MakeFullPath(path)))
                opened = true;
        } catch (const std::exception&) {
            // A path without a full form opens nothing; the next may.
        }
    }
    if (!items.mUnreadRest.empty())
        DoAlert(kCommonAlertReferenceBase + kFileNotFoundAlertEntry, ShortenUnreadRest(items.mUnreadRest));
    return opened;
}

bool CApplication::OpenPath(const std::string& path)
{
    if (path.empty())
        return false;
    try {
        // A folder spec always ends with a backslash.
        const CDirSpec folder(path);
        if (FolderExists(folder))
            QueueOpenFolder(folder);
        else
            QueueOpenFile(CFileSpec(path));
        return true;
    } catch (...) {
        return false;
    }
}

CDirSpec CApplication::GetUserDataFolder() const
{
    return GetSpecialFolder(kMakerFolderName, GetName());
}

std::int32_t CApplication::GetPriorityLevel() const
{
    CKernelTable& kernel = GetKernelTable();
    return PriorityClassToLevel(kernel.GetPriorityClass(kernel.GetCurrentProcess()));
}

void CApplication::SetPriorityLevel(std::int32_t level)
{
    CKernelTable& kernel = GetKernelTable();
    kernel.SetPriorityClass(kernel.GetCurrentProcess(), PriorityLevelToClass(level));
}

bool CApplication::HasStringResource(const CResourceKey& key)
{
    return GetResourceFile().HasResource(key.GetType(), key.GetNumber());
}

std::unique_ptr<CMedia> CApplication::ReadStringResource(const CResourceKey& key)
{
    return GetResourceFile().LoadResource(key.GetType(), key.GetNumber());
}

void CApplication::StartUp() {}

void CApplication::ShutDown() {}

void CApplication::Deactivate()
{
    mInFront = false;
}

void CApplication::Activate()
{
    mInFront = true;
}

bool CApplication::CanQuit()
{
    return true;
}

CMenuBar* CApplication::GetMenuBar()
{
    return nullptr;
}

void CApplication::PurgeBitmapCache()
{
    PurgeBitmapCacheEntries();
}

void CApplication::OpenFolder(const CDirSpec&) {}

void CApplication::OpenFile(const CFileSpec&) {}

void CApplication::OpenWithoutDocument() {}

void CApplication::HandleNotification(std::int32_t, std::int32_t) {}

bool CApplication::MayPurgeCaches()
{
    return true;
}

bool CApplication::RestoreMemoryReserves()
{
    return GetMemoryReserveList().RestoreAll();
}

HWND CApplication::GetMessageWindowHandle() const
{
    return mIdlePulse != nullptr ? mIdlePulse->GetTargetWindow() : nullptr;
}

void CApplication::HandleShortage()
{
    if (gApplication == nullptr)
        throw XOutOfMemory();
    HandleMemoryShortage(*gApplication);
}

} // namespace NSTramvell
