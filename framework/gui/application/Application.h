#pragma once

// The application object: exactly one exists while the program runs, made by the application factory and
// reached everywhere through GetApplication. It runs the main loop and the pump steps, keeps idle work
// going while the loop waits (the idle pulse), carries out the quit protocol and the open requests, turns
// exceptions that reach it into alerts and handles running out of memory. The program's application
// class derives from it and overrides the start and exit hooks.

#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/IdleManager.h"
#include "framework/foundation/platform/MemoryReserve.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/gui/application/MemoryShortage.h"
#include "framework/gui/application/OpenRequests.h"
#include "framework/gui/input/InputInterfaces.h"
#include "framework/gui/menus/MenuCommand.h"

#include <array>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <vector>

struct HWND__;
typedef struct HWND__* HWND;
struct tagMSG;

namespace NSTramvell {

class CABCWindow;
class CKeyEvent;
class CMenuBar;
class IKeyboardInput;

inline constexpr std::int32_t kDocumentMode = 1;
inline constexpr std::int32_t kFrameMode = 2;
// The build's application mode, kApplicationMode: document mode, each document a top-level window.
std::int32_t GetApplicationMode();

inline constexpr std::uint32_t kRunStateConstructed = 44;
inline constexpr std::uint32_t kRunStateRunning = 45;
inline constexpr std::uint32_t kRunStateQuitRequested = 46;
inline constexpr std::uint32_t kRunStateEnding = 47;

inline constexpr std::uint32_t kMemoryStateNormal = 20;
inline constexpr std::uint32_t kMemoryStateLow = 21;

// A command line handed over by a second instance (frame mode), and the idle pulse.
inline constexpr std::uint32_t kPassedCommandLineMessage = 0x420;
inline constexpr std::uint32_t kIdlePulseMessage = 0x421;

// The maker's folder under the user's application-data folder.
inline constexpr const char* kMakerFolderName = "Quenholt Software";

// What the entry hands to the application factory.
struct CApplicationParameters
{
    explicit CApplicationParameters(const CCodeModuleInfo& module);

    CCodeModuleInfo mModule;
    std::string mCommandLine;   // without the program name
    std::int32_t mShowCommand = 1;
    std::int32_t mReserved = 0;
    // The platform's window placement record: its first word is its own length in bytes.
    std::array<std::uint32_t, 11> mPlacement{44};
};

namespace NSApplicationInternal {
class CIdlePulse;
// Lets a test run the frame-mode steps; returns the mode before.
std::int32_t SetApplicationMode(std::int32_t mode);
} // namespace NSApplicationInternal

class CApplication : public CABCCodeModule,
                     public ILowMemoryListener,
                     public IStringResourceReader,
                     public IOpenRequestHandler,
                     public IMemoryShortageClient,
                     public IKeyboardInput,
                     public IMenuInput
{
public:
    // Null before construction and after destruction.
    static CApplication* GetApplication();

    // An unsupported screen depth shows a message and throws XBase; so does a failure to start the
    // idle pulse.
    explicit CApplication(const CApplicationParameters& parameters);
    ~CApplication() override;
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // The main loop: the start hook, the command line, then pump steps until the run state is 47, then
    // the exit hook. Exceptions are reported and never leave it (frame mode, which this framework does
    // not build, throws XBase).
    void Run();
    // One pump step. At top level (nesting 0, no view holding the mouse, not quitting) it waits for the
    // next message; otherwise it takes at most 20 queued messages, and on an empty queue runs the idle
    // clients and, when mayWait, waits (WaitForInput).
    void ProcessEvents(bool mayWait);
    void DispatchOneMessage(const tagMSG& message);
    // After an empty queue in a nested step: until input, the next idle run, or a millisecond when the
    // mouse is held.
    void WaitForInput(bool mouseHeld);
    // A modal loop's step; it pauses on an empty queue, as a nested step never blocks.
    void RunModalStep();
    // The step long work calls to keep windows responsive; it never pauses.
    void ProcessPendingEvents();

    // Asks CanQuit; its consent sets run state 46, which the loop turns into the quit confirmation.
    bool TryQuit();
    // The platform asks before the user logs off: quits now, true when the quit was confirmed.
    bool QuitAndDrainEvents();
    bool IsRunning() const { return mRunState == kRunStateRunning; }
    std::uint32_t GetRunState() const { return mRunState; }
    bool IsReadyForRequests() const { return mRunState == kRunStateRunning && mNestingCount == 0; }
    std::uint16_t GetNestingCount() const { return mNestingCount; }
    bool IsInFront() const { return mInFront; }

    void SetCancelAutoPlay(bool cancel) { mCancelAutoPlay = cancel; }
    bool GetCancelAutoPlay() const { return mCancelAutoPlay; }
    std::uint32_t GetQueryCancelAutoPlayMessage() const { return mQueryCancelAutoPlayMessage; }

    void EnterLowMemoryState() override;
    void LeaveLowMemoryState();
    bool IsLowMemory() const { return mMemoryState == kMemoryStateLow; }
    std::uint32_t GetMemoryState() const { return mMemoryState; }
    void SetLowMemoryTexts(const std::string& message, const std::string& detail, const std::string& button);
    // The screen's depth or palette changed: bitmaps are fetched again for it.
    void ScreenChanged();

    // Shows the common alert for the exception; an exception while one is reported is dropped.
    void ReportException(const std::exception& exception);
    void ReportUnknownException();

    void QueueOpenFile(const CFileSpec& file);
    void QueueOpenFolder(const CDirSpec& folder);
    void QueueOpenNothing();
    void ProcessOpenRequests();
    void ClearOpenRequests();
    // Opens what the command line names; the rest it cannot read is shown in the "File not Found" alert.
    // True when anything was opened.
    bool HandleCommandLine(const std::string& commandLine);
    // Queues a folder or file request for an existing path; false for an empty path or any failure.
    bool OpenPath(const std::string& path);

    // The edit commands the text views obey; 0 until the program gives them. The three further ones are
    // numbered 0 to 2; another index throws std::out_of_range.
    static constexpr std::size_t kFurtherEditCommandCount = 3;
    void SetFurtherEditCommand(std::size_t index, std::uint32_t command) { mFurtherEditCommands.at(index) = command; }
    std::uint32_t GetFurtherEditCommand(std::size_t index) const { return mFurtherEditCommands.at(index); }
    void SetCutCommand(std::uint32_t command) { mCutCommand = command; }
    void SetCopyCommand(std::uint32_t command) { mCopyCommand = command; }
    void SetPasteCommand(std::uint32_t command) { mPasteCommand = command; }
    void SetClearCommand(std::uint32_t command) { mClearCommand = command; }
    void SetExtraEditCommand(std::uint32_t command) { mExtraEditCommand = command; }
    std::uint32_t GetCutCommand() const { return mCutCommand; }
    std::uint32_t GetCopyCommand() const { return mCopyCommand; }
    std::uint32_t GetPasteCommand() const { return mPasteCommand; }
    std::uint32_t GetClearCommand() const { return mClearCommand; }
    std::uint32_t GetExtraEditCommand() const { return mExtraEditCommand; }
    std::int32_t GetDefaultHelpId() const { return mDefaultHelpId; }
    void SetDefaultHelpId(std::int32_t helpId) { mDefaultHelpId = helpId; }
    // The command that closes a window with a close command; 0 for none.
    std::uint32_t GetCloseCommand() const { return mCloseCommand; }
    void SetCloseCommand(std::uint32_t command) { mCloseCommand = command; }

    // The routing chains, built afresh from the active framework window: its focus view, the focus
    // view's participants, the window, its built-in keys and menus, and last the application; without
    // an active window only the application.
    std::vector<IMenuInput*> GetMenuChain();
    std::vector<IKeyboardInput*> GetKeyChain();
    // Every member enables its commands, from the application back to the focus view.
    void UpdateMenus(CMenuBar* menuBar);
    // Resets the bar's items, then lets the chain enable its commands.
    void UpdateMenuBar(CMenuBar& menuBar);
    // Offers the command along the chain until one member carries it out.
    bool RouteMenuCommand(const CMenuCommand& command);
    // A view holding the mouse capture that takes keys gets the key alone; otherwise the chain.
    bool RouteKey(const CKeyEvent& event);
    // A command to route at the next idle step, after the menus are brought up to date.
    void PostMenuCommand(const CMenuCommand& command);
    void DispatchPostedCommand();

    // A copy of the recent-file list, newest first.
    std::vector<CFileSpec> GetRecentFiles() const;

    // The user's folder of this program: the maker's folder with the module name below it.
    CDirSpec GetUserDataFolder() const;

    // The tool bar and status bar windows of the frame, borrowed; none at first. Setting one shows it
    // again at its own bounds and reserves its height at the top (tool bar) or the bottom (status bar) of
    // the frame's client area; none reserves nothing. A failure on the way is traced and dropped.
    CABCWindow* GetToolbarWindow() const { return mToolbarWindow; }
    void SetToolbarWindow(CABCWindow* window);
    CABCWindow* GetStatusBarWindow() const { return mStatusBarWindow; }
    void SetStatusBarWindow(CABCWindow* window);

    // Frame mode is not built: there is no frame window, no document client, nothing to keep on top.
    HWND GetFrameWindowHandle() const { return nullptr; }
    HWND GetMDIClientHandle() const { return nullptr; }
    bool GetStayOnTop() const { return false; }
    void SetStayOnTop(bool) {}
    void SetFrameWindow(HWND) {}

    // The process's priority: 0 idle, 1 normal, 2 high, 3 real time.
    std::int32_t GetPriorityLevel() const;
    void SetPriorityLevel(std::int32_t level);

    bool HasStringResource(const CResourceKey& key) override;
    std::unique_ptr<CMedia> ReadStringResource(const CResourceKey& key) override;

    // The application's message-only window: it owns what the application puts on the clipboard.
    HWND GetMessageWindowHandle() const;

    // The idle pulses posted and not yet taken (for tests of the pulse).
    std::int32_t GetPendingIdlePulses() const;
    void SetPendingIdlePulses(std::int32_t count);

    // The operations a program overrides.
    virtual void StartUp();
    virtual void ShutDown();
    virtual void Deactivate();
    virtual void Activate();
    virtual bool CanQuit();
    virtual CMenuBar* GetMenuBar();
    virtual void PurgeBitmapCache();
    void OpenFolder(const CDirSpec& folder) override;
    void OpenFile(const CFileSpec& file) override;
    void OpenWithoutDocument() override;
    virtual void HandleNotification(std::int32_t first, std::int32_t second);
    bool MayPurgeCaches() override;
    // True when every memory reserve is allocated again.
    virtual bool RestoreMemoryReserves();
    // The script of the common alert for the exception; empty when nothing is to be shown.
    virtual void GetAlertForException(const std::exception& exception, std::string& script);
    // Shows the help of the id for the window; the framework shows none.
    virtual void ShowHelp(std::int32_t helpId, CABCWindow* window);
    bool HandleKey(const CKeyEvent&) override { return false; }
    void EnableMenuCommands(CMenuBar*) override {}
    bool DoMenuCommand(const CMenuCommand&) override { return false; }

private:
    class CNestedStep;

    // The application's idle work every 50 ms; after a pass with nothing to do and nothing dispatched since
    // the pass before, its client dozes until WakeIdleWork.
    void DoIdleWork(const CIdleInfo& info);
    // Something the idle work follows happened: a message was dispatched, a command posted, a request
    // queued, memory ran short.
    void WakeIdleWork();
    // A key press that types a key equivalent of the bar's items carries out the item's command.
    void HandleMenuShortcut(const tagMSG& message);
    // Reports what a client throws: it also runs from the pulse window's procedure, where nothing may
    // unwind into the platform.
    void RunIdleClients();
    void SettleQuitRequest();
    void CheckScreenDepth();
    // Reports the exception being handled; a failing report is dropped and traced, so nothing leaves a
    // loop or a platform callback.
    void ReportCurrentException() noexcept;
    void ShowAlertForScript(const std::string& script);
    static void HandleShortage();

    COpenRequestQueue mOpenRequests;
    std::uint16_t mNestingCount = 0;
    CIdleClient<CApplication> mIdleClient;
    bool mActivitySinceIdleWork = false;
    std::uint32_t mMemoryState = kMemoryStateNormal;
    std::uint32_t mRunState = kRunStateConstructed;
    std::int32_t mDefaultHelpId = -1;
    bool mReporting = false;
    std::unique_ptr<CMemoryReserve> mEmergencyReserve;
    std::string mCommandLine;
    std::int32_t mShowCommand;
    bool mInFront = true;
    std::unique_ptr<NSApplicationInternal::CIdlePulse> mIdlePulse;
    bool mCancelAutoPlay = false;
    std::uint32_t mQueryCancelAutoPlayMessage = 0;
    std::array<std::uint32_t, kFurtherEditCommandCount> mFurtherEditCommands{};
    std::uint32_t mCutCommand = 0;
    std::uint32_t mCopyCommand = 0;
    std::uint32_t mPasteCommand = 0;
    std::uint32_t mClearCommand = 0;
    std::uint32_t mExtraEditCommand = 0;
    std::uint32_t mCloseCommand = 0;
    std::deque<CMenuCommand> mPostedCommands;
    std::new_handler mPreviousNewHandler = nullptr;
    CABCWindow* mToolbarWindow = nullptr;     // borrowed
    CABCWindow* mStatusBarWindow = nullptr;   // borrowed
};

} // namespace NSTramvell
