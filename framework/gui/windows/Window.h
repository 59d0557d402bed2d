#pragma once

// CABCWindow, the abstract base of every framework window: it binds one native window, which the derived
// class creates, to one tree of views, which it owns through its root view. It keeps the bounds, the
// keyboard-focus view and focus order, the activation state and the close request. A window enters the
// window registry when it is shown and leaves it when it is disposed of; closing is deferred: a request
// sets a flag and the registry's sweep closes the window.

#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/geometry/Rect.h"
#include "framework/gui/input/InputInterfaces.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/input/MouseEvent.h"
#include "framework/gui/menus/MenuCommand.h"
#include "framework/gui/regions/Color.h"
#include "framework/gui/regions/Region.h"
#include "framework/gui/views/View.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

class CABCWindow;
class CNativePalette;
class CWindowRootGroupView;
class IWinFocusHandler;

namespace NSTramvellInternals {
// The window's built-in keys and close command, consulted by the application's routing for the active
// window after the window itself; each operation goes to the window's built-in handling.
class CBuiltInMenusAndKeys : public IMenuInput, public IKeyboardInput
{
public:
    explicit CBuiltInMenusAndKeys(CABCWindow* window) : mWindow(window) {}
    CABCWindow* GetWindow() const { return mWindow; }

    void EnableMenuCommands(CMenuBar* menuBar) override;
    bool DoMenuCommand(const CMenuCommand& command) override;
    bool HandleKey(const CKeyEvent& event) override;

private:
    CABCWindow* mWindow;   // borrowed: the window owns this object
};
} // namespace NSTramvellInternals

// The four frame insets of a window: each edge holds the inset on that side.
using CFrameInsets = CRect;

class CABCWindow : public IKeyboardInput, public IMenuInput, public IRegisteredWindow
{
public:
    static constexpr std::int32_t kKindFrame = 0;
    static constexpr std::int32_t kKindDocument = 1;
    static constexpr std::int32_t kKindModalDialog = 2;
    static constexpr std::int32_t kKindSplash = 3;
    static constexpr std::int32_t kKindFloater = 4;
    static constexpr std::int32_t kKindToolTip = 5;

    // Closes the windows whose close was requested first; creates no native window.
    CABCWindow(std::int32_t kind, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    virtual ~CABCWindow();
    CABCWindow(const CABCWindow&) = delete;
    CABCWindow& operator=(const CABCWindow&) = delete;

    bool HandleKey(const CKeyEvent&) override { return false; }
    void EnableMenuCommands(CMenuBar*) override {}
    bool DoMenuCommand(const CMenuCommand&) override { return false; }

    // Forgets the focus request, then updates the focus: the window's views lose the focus.
    virtual void UpdateFocusState();
    virtual void SetBounds(const CRect& bounds);
    virtual void ShowWithBounds(const CRect& bounds);
    virtual void CloseIfAllowed();
    void RequestClose() override;
    virtual CRect GetClientBounds() const;
    virtual void RootFrameChanged(const CRect& oldFrame, const CRect& newFrame) = 0;
    virtual std::int32_t GetHelpId() const { return mHelpId; }
    virtual CMouseDownResult HandleMouseDown(const CMouseEvent& event);
    virtual std::int32_t RootViewChanged() { return 0; }
    virtual std::int32_t HandleContextClick(const CMouseEvent& event);
    bool MayClose() override { return true; }
    virtual void Activated() {}
    virtual void Deactivated() {}
    virtual CPoint GetDefaultSize() const { return CPoint(300, 500); }
    virtual void GetSizeLimits(std::int32_t& minWidth, std::int32_t& minHeight, std::int32_t& maxWidth,
                               std::int32_t& maxHeight) const;
    virtual bool IsCycleTarget() const { return true; }
    virtual bool HasCloseCommand() const { return false; }
    // Idempotent: derived windows call it from their destructors and the base destructor calls it again.
    virtual void Dispose();
    virtual std::int32_t GetFrameBorderWidth() const { return 0; }
    virtual std::int32_t GetFrameBorderHeight() const { return 0; }
    virtual bool HandleOtherMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second,
                                    std::intptr_t& result);
    bool IsDocumentWindow() const override { return mKind == kKindDocument; }
    // Windows that take part in cycling and are not auxiliary are listed in the window menu.
    bool WantsWindowMenuItem() const override { return IsCycleTarget() && !mAuxiliary; }
    // Tab and Shift+Tab along the focus order, Ctrl+F4 closes a window with a system menu.
    virtual bool HandleBuiltInKey(const CKeyEvent& event);
    // The application's close command, for a window that has one.
    virtual void EnableBuiltInCommands(CMenuBar* menuBar);
    virtual bool HandleBuiltInCommand(const CMenuCommand& command);

    // The registry's view of the window.
    HWND GetNativeHandle() const override { return mHandle; }
    bool IsCloseRequested() const override { return mCloseRequested; }
    void ClearCloseRequest() override { mCloseRequested = false; }
    // Deactivates, hides, drops the tool-tip control and deletes the window.
    void CloseNow() override;
    void UpdateNow() override;

    HWND GetWindowHandle() const { return mHandle; }
    void SetWindowHandle(HWND handle) { mHandle = handle; }
    CWindowRootGroupView* GetRootView() const { return mRootView; }
    std::int32_t GetKind() const { return mKind; }
    bool IsActive() const override { return mActive; }
    CView* GetFocusView() const { return mFocusView; }
    CView* GetRequestedFocusView() const { return mRequestedFocusView; }
    // Requests the focus for a focus target, or for none; any other view is ignored. The view holds the
    // focus while it is enabled and the window is active.
    void SetFocusView(CView* view);
    // Gives the focus to the requested view when it may hold it now, else to none; keeps the request.
    void ApplyFocusRequest();
    // The view goes away or is disabled: when it holds the request, the request moves on to the next
    // eligible view after it, or to none, whether the window is active or not.
    void DropFocusIfHeldBy(CView* view);
    // The focus leaves the window's views.
    void DropFocus() { mFocusView = nullptr; }
    // Forgets the focus and the request that name the view, which is going away.
    void ForgetFocusView(const CView* view);
    // For the focus handlers, which follow the platform's notices: the fields alone, nothing updated.
    void SetRequestedFocusViewOnly(CView* view) { mRequestedFocusView = view; }
    void SetFocusViewOnly(CView* view) { mFocusView = view; }
    IWinFocusHandler* GetFocusHandler() const { return mFocusHandler; }
    void SetFocusHandler(IWinFocusHandler* handler) { mFocusHandler = handler; }
    void FocusFirstTarget();
    void FocusLastTarget();
    void FocusNextTarget();
    void FocusPreviousTarget();
    void FocusNextAfterCurrent();
    bool GetTabNavigation() const { return mTabNavigation; }
    void SetTabNavigation(bool tabNavigation) { mTabNavigation = tabNavigation; }
    bool IsModal() const { return mModal; }
    void SetModal(bool modal) { mModal = modal; }
    void SetHelpId(std::int32_t helpId) { mHelpId = helpId; }
    void* GetCurrentDrawingContext() const { return mCurrentDrawingContext; }
    void SetCurrentDrawingContext(void* context) { mCurrentDrawingContext = context; }
    void MarkAuxiliary() { mAuxiliary = true; }
    bool IsAuxiliary() const { return mAuxiliary; }
    CColor GetBackgroundColor() const { return mBackgroundColor; }
    void SetBackgroundColor(const CColor& color) { mBackgroundColor = color; }
    bool IsDisposing() const { return mDisposing; }
    // How many modal states have this window disabled.
    std::uint16_t GetModalDisableCount() const { return mModalDisableCount; }
    void SetModalDisableCount(std::uint16_t count) { mModalDisableCount = count; }
    NSTramvellInternals::CBuiltInMenusAndKeys* GetBuiltInObject() const { return mBuiltIn; }
    IMenuInput* GetBuiltInMenuInput() const { return mBuiltIn; }
    IKeyboardInput* GetBuiltInKeyboardInput() const { return mBuiltIn; }

    void SetBoundsField(const CRect& bounds) { mBounds = bounds; }
    const CRect& GetBoundsField() const { return mBounds; }
    void ReapplyBounds();
    // The native window's rectangle on the screen.
    CRect GetBounds() const;
    CRect GetClientBoundsOnScreen() const;

    CFrameInsets GetFrameInsets() const;
    CRect GetFrameBoundsForClient(const CRect& client) const;
    // The client rectangle of a window whose outer rectangle is frame: the insets taken off.
    CRect GetClientBoundsForFrame(const CRect& frame) const;
    CPoint GetFrameSizeForClientSize(const CPoint& size) const;
    // A rectangle of the size centred in the screen's work area and kept inside it.
    CRect GetCenteredBounds(const CPoint& size) const;
    void ShowCentered(const CPoint& size);
    void ShowCenteredForClientSize(const CPoint& size);
    void Recenter();
    CRect GetStaggeredBounds(const CPoint& size) const;
    CRect GetStaggeredBoundsForClientSize(const CPoint& size) const;
    void ShowStaggered(const CPoint& size);
    void ShowStaggeredForClientSize(const CPoint& size);

    std::string GetTitle() const override;
    void SetTitle(const std::string& title);

    bool Activate() override;
    // Whether the native window is visible; false without one.
    bool IsNativeStateSet() const override;
    // Marks the region's part of the client area for repainting, without erasing.
    void InvalidateRegion(const CRegion& region);
    void HandleActivated();
    void HandleDeactivated();
    // A minimised window is restored: a document of the frame's client by that client, any other
    // window by the platform.
    void RestoreIfMinimised();

    // The window's own colours on a 256-colour screen: an empty list drops the palette. XOutOfMemory
    // when the platform makes none; the old palette then stays.
    void SetPalette(const std::vector<CColor>& colors);
    bool HasPalette() const { return mPalette != nullptr; }
    // Selects the palette into the window's drawing context (as a background palette unless the window
    // is the one the user works in) and realises it; false without a palette.
    bool RealizePalette();

    void AddSizeBox();
    void RemoveSizeBox();
    // A resizable window shows the size box in its bottom right corner.
    void SetResizable(bool resizable);
    bool IsResizable() const { return mResizable; }
    // The tracking view, if any, learns that the button was released.
    void EndTrackingOnMouseUp();

    void AddFocusTarget(CView* view);
    void RemoveFocusTarget(CView* view);
    const std::vector<CView*>& GetFocusOrder() const { return mFocusOrder; }

    // The window's tool-tip control, made on the first tip of one of its views.
    HWND GetToolTipControl() const { return mToolTipControl; }
    void CreateToolTipControl();
    // Each adds the view's tool and answers its identifier; XBase when the control refuses it.
    std::uint32_t AddViewToolTip(CView* view, const std::string& text);
    std::uint32_t AddNativeControlToolTip(CView* view, const std::string& text);
    void SetToolRect(std::uint32_t id, const CRect& rect);
    void RemoveViewToolTip(std::uint32_t id);
    void RemoveNativeControlToolTip(HWND control, std::uint32_t id);
    // Tips stay hidden while a view tracks the mouse; the view holds the platform's capture meanwhile.
    void BeginViewTracking(CView* view);
    void EndViewTracking(CView* view);
    // Another window took the capture from the tracking view.
    void HandleLostCapture(CView* view);

    // Shows the help of the window's help id, or of the application's default.
    void ShowHelp();

    // The mouse position in client coordinates.
    CPoint GetMousePosition() const;
    // The native capture for a view that tracks the mouse.
    void CaptureNativeMouse();
    void ReleaseNativeMouse();

protected:
    // The platform's frame metrics for a window's border: the sizing frame or the fixed one.
    static std::int32_t GetFrameMetricWidth(bool sizing);
    static std::int32_t GetFrameMetricHeight(bool sizing);

private:
    void DestroyToolTipControl();
    void SetToolTipsActive(bool active);

    CView* mRequestedFocusView = nullptr;   // borrowed: a view of this window
    CView* mFocusView = nullptr;            // borrowed
    std::vector<CView*> mFocusOrder;        // borrowed views, in tab order
    bool mTabNavigation = true;
    void* mCurrentDrawingContext = nullptr;   // borrowed from the canvas that draws
    NSTramvellInternals::CBuiltInMenusAndKeys* mBuiltIn = nullptr;   // owned
    bool mAuxiliary = false;
    HWND mHandle = nullptr;
    bool mCloseRequested = false;
    CWindowRootGroupView* mRootView = nullptr;   // owned
    std::int32_t mHelpId = -1;
    CColor mBackgroundColor;
    CRect mBounds;
    bool mActive = false;
    bool mModal = false;
    std::int32_t mKind;
    HWND mToolTipControl = nullptr;
    std::uint16_t mModalDisableCount = 0;
    bool mDisposing = false;
    bool mResizable = false;
    IWinFocusHandler* mFocusHandler;   // borrowed: a shared handler
    std::unique_ptr<CNativePalette> mPalette;
};

// The frame insets of a border kind: the caption on top; kind 0 the fixed frame, kinds 1 to 3 the sizing
// frame on every side; other kinds only the caption.
CFrameInsets GetFrameInsets(std::int32_t borderKind);

bool IsActiveWindow(const CABCWindow* window);
// The frontmost framework window that is not auxiliary, from the platform's order of top-level
// windows; null when there is none.
CABCWindow* FindFrontWindow();
// The framework window the user works in, when the application is in front; null otherwise.
CABCWindow* GetActiveFrameworkWindow();
bool IsModalWindowInFront();
// Moves and sizes a native control without repainting it.
void MoveNativeControl(HWND control, const CRect& rect);
// Relays a mouse message of a framework window to the tool-tip controls of every shown window.
void RelayMouseToToolTips(HWND handle, std::uint32_t message, std::uintptr_t first, std::intptr_t second);

void IncrementBusyCount();
void DecrementBusyCount();
std::int16_t GetBusyCount();

} // namespace NSTramvell
