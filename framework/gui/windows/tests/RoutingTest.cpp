// Commands and keys along the routing chain, the menu bar's key equivalents, help ids, the bar on
// document windows, and the window's tool tips.

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/ToolTipWindow.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

std::vector<std::string> gRoute;

std::string Describe(const std::string& who, const CMenuCommand& command)
{
    return who + " " + std::to_string(command.GetCommandId()) + "/" + std::to_string(command.GetKind());
}

class CRoutingApplication : public NSGuiTest::CTestApplication
{
public:
    CMenuBar* GetMenuBar() override { return mBar; }
    void EnableMenuCommands(CMenuBar* bar) override
    {
        gRoute.push_back("enable application");
        if (bar != nullptr)
            bar->EnableCommand(102, true);
    }
    bool DoMenuCommand(const CMenuCommand& command) override
    {
        gRoute.push_back(Describe("application", command));
        return true;
    }
    void ShowHelp(std::int32_t helpId, CABCWindow*) override { mHelpIds.push_back(helpId); }

    CMenuBar* mBar = nullptr;
    std::vector<std::int32_t> mHelpIds;
};

class CRoutingWindow : public NSGuiTest::CClassWindow
{
public:
    void EnableMenuCommands(CMenuBar*) override { gRoute.push_back("enable window"); }
    bool DoMenuCommand(const CMenuCommand& command) override
    {
        gRoute.push_back(Describe("window", command));
        return false;
    }
    bool HandleBuiltInCommand(const CMenuCommand& command) override
    {
        gRoute.push_back(Describe("built-in", command));
        return CClassWindow::HandleBuiltInCommand(command);
    }
};

class CMenuView : public CView, public IFocusTarget, public IMenuInput
{
public:
    explicit CMenuView(CABCGroupView* parent) : CView(parent, CRect(10, 10, 40, 30)) {}
    void EnabledChanged(bool) override {}
    void FrameChanged(const CRect&, const CRect&) override {}
    void EnableMenuCommands(CMenuBar*) override { gRoute.push_back("enable view"); }
    bool DoMenuCommand(const CMenuCommand& command) override
    {
        gRoute.push_back(Describe("view", command));
        return false;
    }
};

// The program's Edit menu in a bar whose key equivalents work.
struct CEditBar
{
    CEditBar() : edit(ParseMenuScript("Edit?1,2;Undo#Z=100;-;Cut#X=101;Copy#C=102?3,4;Paste#V=103;Clear=104", 2))
    {
        bar.AppendMenu(*edit);
        bar.EndUpdate();
        bar.NumberNativeItems();
    }
    std::unique_ptr<CMenu> edit;
    CMenuBar bar;
};

// The keyboard as the test says it is held, and a layout where every key may type "C".
bool gControlHeld = false;
bool gAltHeld = false;
bool gEveryKeyTypesC = false;
decltype(CWindowTable::MapVirtualKeyA) gRealMapVirtualKey = nullptr;

// The layout's table entry, its real function kept for the keys the fake leaves alone.
decltype(CWindowTable::MapVirtualKeyA)& RememberLayout()
{
    gRealMapVirtualKey = GetWindowTable().MapVirtualKeyA;
    return GetWindowTable().MapVirtualKeyA;
}

class CFakeKeyboard
{
public:
    CFakeKeyboard()
        : mState(GetWindowTable().GetKeyState, [](int key) -> SHORT {
            const bool held = (key == VK_CONTROL && gControlHeld) || (key == VK_MENU && gAltHeld);
            return static_cast<SHORT>(held ? 0x8000 : 0);
        })
        , mLayout(RememberLayout(), [](UINT key, UINT mapping) -> UINT {
            if (gEveryKeyTypesC && mapping == MAPVK_VK_TO_CHAR)
                return 'C';
            return gRealMapVirtualKey(key, mapping);
        })
    {
    }

private:
    CScopedTableEntry<decltype(CWindowTable::GetKeyState)> mState;
    CScopedTableEntry<decltype(CWindowTable::MapVirtualKeyA)> mLayout;
};

MSG KeyDown(HWND window, WPARAM key)
{
    MSG message{};
    message.hwnd = window;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    message.lParam = static_cast<LPARAM>(::MapVirtualKeyA(static_cast<UINT>(key), 0) << 16 | 1);
    return message;
}

void ShowActive(CABCWindow& window)
{
    window.ShowWithBounds(CRect(80, 80, 380, 300));
    ASSERT_TRUE(NSGuiTest::WaitUntil([&] { return IsActiveWindow(&window); }, 5000));
}

} // namespace

TEST(Routing, ANativeCommandVisitsFocusViewWindowBuiltInObjectAndApplication)
{
    const NSGuiTest::CWatchdog watchdog;
    CRoutingApplication application;
    CEditBar edit;
    application.mBar = &edit.bar;
    CRoutingWindow window;
    CMenuView view(window.GetRootView());
    ShowActive(window);
    window.SetFocusView(&view);
    ASSERT_EQ(window.GetFocusView(), &view);

    gRoute.clear();
    ::SendMessageA(window.GetWindowHandle(), WM_COMMAND, kFirstNativeItemId + 3, 0);   // Copy
    EXPECT_EQ(gRoute, (std::vector<std::string>{"enable application", "enable window", "enable view",
                                                "view 102/4", "window 102/4", "built-in 102/4",
                                                "application 102/4"}));
    // An id the bar never gave and the platform's own commands reach nobody.
    gRoute.clear();
    ::SendMessageA(window.GetWindowHandle(), WM_COMMAND, kFirstNativeItemId + 40, 0);
    ::SendMessageA(window.GetWindowHandle(), WM_COMMAND, 0xF060, 0);
    EXPECT_TRUE(gRoute.empty());
}

TEST(Routing, APostedCommandWithoutAnActiveWindowReachesOnlyTheApplication)
{
    CRoutingApplication application;
    ASSERT_EQ(GetActiveFrameworkWindow(), nullptr);
    gRoute.clear();
    application.PostMenuCommand(CMenuCommand(kMenuCommandOther, nullptr, 77, CModifierKeys(), 0));
    application.DispatchPostedCommand();
    application.DispatchPostedCommand();   // the queue is empty now
    EXPECT_EQ(gRoute, (std::vector<std::string>{"enable application", "application 77/6"}));
}

TEST(Routing, ControlLetterRunsItsMenuCommandOnlyWhenNothingHoldsTheMouse)
{
    const NSGuiTest::CWatchdog watchdog;
    const CFakeKeyboard keys;
    CRoutingApplication application;
    CEditBar edit;
    application.mBar = &edit.bar;
    CRoutingWindow window;
    ShowActive(window);
    const HWND handle = window.GetWindowHandle();

    struct CCase
    {
        bool control;
        bool alt;
        WPARAM key;
        bool held;
        bool everyKeyTypesC;
        bool runs;
    };
    const CCase cases[] = {
        {true, false, 'C', false, false, true},         {true, true, 'C', false, false, false},
        {false, false, 'C', false, false, false},       {true, false, 'C', true, false, false},
        {true, false, 'Q', false, false, false},        {true, false, 'Q', false, true, true},
        {true, false, VK_CONTROL, false, true, false},
    };
    for (const CCase& c : cases) {
        gControlHeld = c.control;
        gAltHeld = c.alt;
        gEveryKeyTypesC = c.everyKeyTypesC;
        SetHeldView(c.held ? window.GetRootView() : nullptr);
        gRoute.clear();
        application.DispatchOneMessage(KeyDown(handle, c.key));
        SetHeldView(nullptr);
        const bool ran = std::find(gRoute.begin(), gRoute.end(), "application 102/5") != gRoute.end();
        EXPECT_EQ(ran, c.runs) << c.key << " control " << c.control << " alt " << c.alt << " held " << c.held;
    }
    gControlHeld = false;
    gAltHeld = false;
    gEveryKeyTypesC = false;
}

TEST(Routing, HelpTakesTheItemsIdElseTheMenusElseTheDefault)
{
    const NSGuiTest::CWatchdog watchdog;
    CRoutingApplication application;
    CEditBar edit;
    application.mBar = &edit.bar;
    application.SetDefaultHelpId(9);
    NSGuiTest::CClassWindow window;
    const std::int32_t copyHelp = (70000 + 3) * 10000 + 4;
    const std::int32_t editHelp = (70000 + 1) * 10000 + 2;

    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_MENUITEM;
    info.hItemHandle = edit.edit->GetNativeHandle();
    for (const int id : {kFirstNativeItemId + 3, kFirstNativeItemId + 4, 0}) {
        info.iCtrlId = id;
        EXPECT_EQ(::SendMessageA(window.GetWindowHandle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info)), 1);
    }
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = kFirstNativeItemId + 3;
    ::SendMessageA(window.GetWindowHandle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(application.mHelpIds, (std::vector<std::int32_t>{copyHelp, editHelp, 9, 9}));
}

TEST(MenuBarOnWindows, OnlyDocumentWindowsCarryTheBarAndTheMenusOutliveThem)
{
    const NSGuiTest::CWatchdog watchdog;
    auto document = std::make_unique<NSGuiTest::CClassWindow>();
    NSGuiTest::CClassWindow dialog(CABCWindow::kKindModalDialog);
    document->ShowWithBounds(CRect(40, 40, 440, 340));
    dialog.ShowWithBounds(CRect(60, 60, 300, 200));
    const HWND handle = document->GetWindowHandle();
    RECT frameBefore{};
    ::GetWindowRect(handle, &frameBefore);

    std::vector<HMENU> menus;
    {
        auto file = ParseMenuScript("Dravim;About Dravim=400;-;Exit=10", 1);
        CEditBar edit;
        edit.bar.AppendMenu(*file);
        EXPECT_EQ(::GetMenu(handle), edit.bar.GetNativeHandle());
        EXPECT_EQ(::GetMenu(dialog.GetWindowHandle()), nullptr);

        // The bar takes its height out of the client area; the frame stays. Windows draws a line below
        // the bar (SM_CYMENU + 1 in all), Wine does not.
        RECT frame{};
        ::GetWindowRect(handle, &frame);
        EXPECT_EQ(frame.bottom - frame.top, frameBefore.bottom - frameBefore.top);
        const CFrameInsets insets = document->GetFrameInsets();
        const std::int32_t bar = (frame.bottom - frame.top) - insets.GetTop() - insets.GetBottom() -
                                 document->GetClientBounds().GetHeight();
        EXPECT_GE(bar, ::GetSystemMetrics(SM_CYMENU));
        EXPECT_LE(bar, ::GetSystemMetrics(SM_CYMENU) + 1);

        menus = {edit.edit->GetNativeHandle(), file->GetNativeHandle()};
        document.reset();
        EXPECT_FALSE(::IsWindow(handle));
        for (HMENU menu : menus)
            EXPECT_TRUE(::IsMenu(menu));
    }
    for (HMENU menu : menus)
        EXPECT_FALSE(::IsMenu(menu));
}

namespace {

std::vector<WPARAM> gActivations;
std::vector<HWND> gRelayedTo;
decltype(CWindowTable::SendMessageA) gRealSend = nullptr;

LRESULT RecordToolTipMessages(HWND window, UINT message, WPARAM first, LPARAM second)
{
    if (message == TTM_ACTIVATE)
        gActivations.push_back(first);
    if (message == TTM_RELAYEVENT)
        gRelayedTo.push_back(window);
    return gRealSend(window, message, first, second);
}

void LoadToolTipClass()
{
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    GetWindowTable().InitCommonControlsEx(&controls);
}

} // namespace

TEST(WindowToolTips, TheFirstTextMakesTheControlAndEveryToolGetsItsOwnId)
{
    LoadToolTipClass();
    NSGuiTest::CTestWindow first;
    NSGuiTest::CTestWindow second;
    NSGuiTest::CTestView a(first.GetRootView(), CRect(0, 0, 20, 20));
    NSGuiTest::CTestView b(second.GetRootView(), CRect(0, 0, 20, 20));
    NSGuiTest::CTestView c(second.GetRootView(), CRect(30, 0, 50, 20));
    a.SetToolTipText("");
    EXPECT_EQ(first.GetToolTipControl(), nullptr);

    a.SetToolTipText("first");   // the platform refusing the record would throw
    b.SetToolTipText("second");
    c.SetToolTipText("third");
    ASSERT_NE(first.GetToolTipControl(), nullptr);
    EXPECT_EQ(::SendMessageA(first.GetToolTipControl(), TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(second.GetToolTipControl(), TTM_GETTOOLCOUNT, 0, 0), 2);
    const std::set<std::uint32_t> ids{a.GetToolTipId(), b.GetToolTipId(), c.GetToolTipId()};
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_EQ(ids.count(0), 0u);

    c.SetToolTipText("");
    EXPECT_EQ(c.GetToolTipId(), 0u);
    EXPECT_EQ(::SendMessageA(second.GetToolTipControl(), TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST(WindowToolTips, TrackingHidesTheTipsAndOnlyShownWindowsGetRelayedMessages)
{
    const NSGuiTest::CWatchdog watchdog;
    LoadToolTipClass();
    gRealSend = GetWindowTable().SendMessageA;
    const CScopedTableEntry record(GetWindowTable().SendMessageA, &RecordToolTipMessages);
    NSGuiTest::CClassWindow shown;
    NSGuiTest::CClassWindow hidden;
    NSGuiTest::CTestView view(shown.GetRootView(), CRect(0, 0, 20, 20));
    NSGuiTest::CTestView other(hidden.GetRootView(), CRect(0, 0, 20, 20));
    view.SetToolTipText("tip");
    other.SetToolTipText("tip");
    shown.ShowWithBounds(CRect(100, 100, 300, 250));
    ASSERT_TRUE(NSGuiTest::WaitUntil([&] { return shown.IsNativeStateSet(); }, 5000));

    gActivations.clear();
    ASSERT_TRUE(BeginTracking(&view));
    EndTracking(&view);
    EXPECT_EQ(gActivations, (std::vector<WPARAM>{0, 1}));

    gRelayedTo.clear();
    RelayMouseToToolTips(shown.GetWindowHandle(), WM_LBUTTONDOWN, 0, 0);
    RelayMouseToToolTips(shown.GetWindowHandle(), WM_RBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(gRelayedTo, (std::vector<HWND>{shown.GetToolTipControl(), shown.GetToolTipControl()}));
}

TEST(ToolTipWindow, IsAPaleFloaterClassPopUpWithAOnePixelFrame)
{
    const NSGuiTest::CClassWindow registersTheClasses;
    const CToolTipWindow tip;
    char className[64] = {};
    ::GetClassNameA(tip.GetWindowHandle(), className, sizeof className);
    EXPECT_STREQ(className, "Tramvell Floater Window");
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(tip.GetWindowHandle(), GWL_STYLE)) & (WS_POPUP | WS_BORDER),
              static_cast<DWORD>(WS_POPUP | WS_BORDER));
    EXPECT_EQ(tip.GetKind(), CABCWindow::kKindToolTip);
    EXPECT_EQ(tip.GetFrameInsets(), CFrameInsets(1, 1, 1, 1));
    EXPECT_EQ(tip.GetBackgroundColor(), CColor(0xFF, 0xFF, 0xD0));
}
