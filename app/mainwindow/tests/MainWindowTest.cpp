// The main window as the application uses it: where it opens, what each state shows, its pixels, and
// which pushes reach the listener. Buttons are pushed by posted clicks, keys and one real mouse click.

#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/PanePages.h"
#include "app/mainwindow/tests/WindowTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/views/controls/NativeControlGlue.h"
#include "framework/views/pages/PagedGroupView.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using NSMainWindowTest::CClientCapture;
using NSMainWindowTest::CMainWindowTest;
using NSMainWindowTest::GetClientOnScreen;
using NSMainWindowTest::GetControlRectInClient;
using NSMainWindowTest::PumpPending;
using NSMainWindowTest::PumpUntil;
using NSTramvell::CLocation;
using NSTramvell::CRect;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;

namespace {

using TCalls = std::vector<std::string>;

// A rectangle of a template with a font (base units 6 × 13), from dialog units to pixels.
CRect DialogUnits(int x, int y, int width, int height)
{
    const int left = 6 * x / 4;
    const int top = 13 * y / 8;
    return CRect(left, top, left + 6 * width / 4, top + 13 * height / 8);
}

CRect NarrowedBy(const CRect& rect, int dx)
{
    return CRect(rect.GetLeft() + dx, rect.GetTop(), rect.GetRight() - dx, rect.GetBottom());
}

CRect Moved(CRect rect, const CRect& by)
{
    rect.Offset(by.GetLeft(), by.GetTop());
    return rect;
}

// Where each pane's pages lie, in dialog units of template 128.
const CRect kSkin = DialogUnits(0, 0, 332, 177);
const CRect kMessagePane = DialogUnits(127, 9, 192, 151);
const CRect kProgressPane = DialogUnits(5, 182, 268, 43);
// A push button's native control lies 2 pixels inside its item on the left and the right; the progress
// bar's from the item's top + 1 to its bottom.
const CRect kExitStop = NarrowedBy(DialogUnits(276, 195, 47, 14), 2);
const CRect kFolder = Moved(DialogUnits(30, 2, 36, 32), kProgressPane);
const CRect kArchive = Moved(DialogUnits(128, 2, 36, 32), kProgressPane);
const CRect kEject = NarrowedBy(Moved(DialogUnits(220, 13, 47, 14), kProgressPane), 2);
const CRect kProgressBar = [] {
    CRect bar = Moved(DialogUnits(6, 15, 250, 10), kProgressPane);
    bar.SetTop(bar.GetTop() + 1);
    return bar;
}();

// Near the hidden pages' corner (-16384, -16384), far from anything a window shows.
bool IsOffScreen(const CRect& rect)
{
    return rect.GetLeft() < -15000 && rect.GetTop() < -15000 && rect.GetRight() < -15000 && rect.GetBottom() < -15000;
}

std::string WindowText(HWND window)
{
    char text[64] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

void PostSpace(HWND control)
{
    ::PostMessageA(control, WM_KEYDOWN, VK_SPACE, 0x00390001);
    ::PostMessageA(control, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
}

// The command a native button sends its window when clicked, sent straight to the window.
void SendClickCommand(HWND window, HWND control)
{
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), BN_CLICKED),
                   reinterpret_cast<LPARAM>(control));
}

using MainWindow = CMainWindowTest;

} // namespace

TEST_F(MainWindow, OpensTitledWithTheTemplatesClientSizeCentredOnTheScreen)
{
    Open();
    EXPECT_EQ(WindowText(Handle()), "Dravim");
    const CRect client = GetClientOnScreen(Handle());
    EXPECT_EQ(client.GetWidth(), kSkin.GetWidth());
    EXPECT_EQ(client.GetHeight(), DialogUnits(0, 0, 332, 227).GetHeight());
    RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT outer{};
    ::GetWindowRect(Handle(), &outer);
    EXPECT_LE(std::abs((outer.left + outer.right) - (area.left + area.right)), 2);
    EXPECT_LE(std::abs((outer.top + outer.bottom) - (area.top + area.bottom)), 2);
}

namespace {

// A frame thicker than the platform's own, as a theme or padded borders give: the metrics and the
// conversion both answer more than the window really has.
int gExtraFrame = 0;
decltype(NSTramvell::CWindowTable::GetSystemMetrics) gRealGetSystemMetrics = nullptr;
decltype(NSTramvell::CWindowTable::AdjustWindowRectEx) gRealAdjustWindowRectEx = nullptr;

} // namespace

TEST_F(MainWindow, ASavedOriginIsTheClientsOriginEvenWithAThickerReportedFrameAndStaysAcrossRestarts)
{
    gRealGetSystemMetrics = GetWindowTable().GetSystemMetrics;
    gRealAdjustWindowRectEx = GetWindowTable().AdjustWindowRectEx;
    for (const int extra : {0, 7}) {
        SCOPED_TRACE(extra);
        gExtraFrame = extra;
        CScopedTableEntry metrics(GetWindowTable().GetSystemMetrics, [](int index) {
            const bool frame = index == SM_CXFIXEDFRAME || index == SM_CYFIXEDFRAME || index == SM_CYCAPTION ||
                               index == SM_CYMENU;
            return gRealGetSystemMetrics(index) + (frame ? gExtraFrame : 0);
        });
        CScopedTableEntry conversion(GetWindowTable().AdjustWindowRectEx,
                                     [](LPRECT rect, DWORD style, BOOL menu, DWORD extendedStyle) {
                                         const BOOL done = gRealAdjustWindowRectEx(rect, style, menu, extendedStyle);
                                         ::InflateRect(rect, gExtraFrame, gExtraFrame);
                                         rect->top -= gExtraFrame;
                                         return done;
                                     });
        CLocation saved(100, 120);
        for (int start = 0; start < 5; ++start) {
            SCOPED_TRACE(start);
            Open(saved);
            const CRect client = GetClientOnScreen(Handle());
            EXPECT_EQ(client, CRect(100, 120, 100 + kSkin.GetWidth(), 120 + DialogUnits(0, 0, 332, 227).GetHeight()));
            saved = CLocation(client.GetLeft(), client.GetTop());
            Close();
        }
    }
}

TEST_F(MainWindow, TheOriginOfAMinimisedWindowLandsOnTheScreen)
{
    Open(CLocation(-32000, -32000));
    const CRect client = GetClientOnScreen(Handle());
    RECT outer{};
    ::GetWindowRect(Handle(), &outer);
    EXPECT_GE(outer.left, ::GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_GE(outer.top, ::GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_LE(client.GetRight(), ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_LE(client.GetBottom(), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

TEST_F(MainWindow, EachStateShowsItsControlsAndMovesEveryOtherOffScreen)
{
    Open();
    const std::map<std::string, CRect> kPlaces = {{"folder", kFolder}, {"archive", kArchive},
                                                  {"eject", kEject},   {"bar", kProgressBar}};
    const struct
    {
        std::int32_t state;
        const char* title;
        std::vector<std::string> shown;
    } kStates[] = {{0, "Exit", {}}, {1, "Exit", {"folder", "archive", "eject"}}, {2, "Stop", {"bar"}}};
    const std::map<std::string, HWND> controls = {
        {"folder", Folder()}, {"archive", Archive()}, {"eject", Eject()}, {"bar", Bar()}};
    for (const auto& state : kStates) {
        SCOPED_TRACE(state.state);
        Show(state.state);
        EXPECT_EQ(GetControlRectInClient(Exit()), kExitStop);
        EXPECT_EQ(WindowText(Exit()), state.title);
        for (const auto& [name, control] : controls) {
            SCOPED_TRACE(name);
            const bool shown = std::find(state.shown.begin(), state.shown.end(), name) != state.shown.end();
            if (shown)
                EXPECT_EQ(GetControlRectInClient(control), kPlaces.at(name));
            else
                EXPECT_TRUE(IsOffScreen(GetControlRectInClient(control)));
        }
    }

    Show(3);
    EXPECT_EQ(mWindow->GetState(), 3);
    EXPECT_EQ(WindowText(Exit()), "Stop");
    EXPECT_EQ(GetControlRectInClient(Bar()), kProgressBar);
    ::PostMessageA(Exit(), BM_CLICK, 0, 0);
    PumpPending();   // posted on this thread: the click and its command are handled now
    EXPECT_TRUE(mListener.mCalls.empty());
}

TEST_F(MainWindow, ExitQuitsAndStopStopsTheConversion)
{
    Open();
    const struct
    {
        std::int32_t state;
        const char* call;
    } kCases[] = {{0, "Quit"}, {1, "Quit"}, {2, "StopConversion"}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.state);
        mListener.mCalls.clear();
        Show(c.state);
        ASSERT_TRUE(PostClickAndWait(Exit()));
        PumpPending();
        EXPECT_EQ(mListener.mCalls, TCalls{c.call});
    }
}

TEST_F(MainWindow, TheChoosePagesButtonsEachCallTheirActionOnce)
{
    Open();
    Show(1);
    for (HWND control : {Folder(), Archive(), Eject()})
        ASSERT_TRUE(PostClickAndWait(control));
    PumpPending();
    EXPECT_EQ(mListener.mCalls, (TCalls{"ConvertToFolder", "ConvertToArchive", "Eject"}));
}

TEST_F(MainWindow, ControlsOfHiddenPagesCallNothing)
{
    Open();
    for (const std::int32_t state : {0, 2}) {
        SCOPED_TRACE(state);
        Show(state);
        for (HWND control : {Folder(), Archive(), Eject()}) {
            ::PostMessageA(control, BM_CLICK, 0, 0);
            SendClickCommand(Handle(), control);
        }
        PumpPending();
        EXPECT_TRUE(mListener.mCalls.empty());
    }
}

TEST_F(MainWindow, WithoutTheArchiveItsButtonIsDisabledShowsTheGreyedIconAndCallsNothing)
{
    Open(CLocation(kNoPosition, kNoPosition), false);
    Show(1);
    CPictureButtonView& archive = mWindow->GetProgressChoosePage().GetArchiveButton();
    EXPECT_FALSE(::IsWindowEnabled(Archive()));
    BUTTON_IMAGELIST shown{};
    ASSERT_TRUE(::SendMessageA(Archive(), BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&shown)));
    EXPECT_EQ(shown.himl, archive.GetImageList(false));
    EXPECT_NE(shown.himl, archive.GetImageList(true));

    ::SendMessageA(Archive(), BM_CLICK, 0, 0);
    SendClickCommand(Handle(), Archive());
    PumpPending();
    EXPECT_TRUE(mListener.mCalls.empty());
    ASSERT_TRUE(PostClickAndWait(Folder()));   // the page itself still answers
    EXPECT_EQ(mListener.mCalls, TCalls{"ConvertToFolder"});
}

namespace {

std::vector<std::pair<UINT, WPARAM>> gKeysToWindow;
HWND gWatchedWindow = nullptr;
decltype(NSTramvell::CWindowTable::SendMessageA) gRealSendMessage = nullptr;

} // namespace

TEST_F(MainWindow, SpacePushesAFocusedPictureButtonAndOtherKeysGoToTheWindow)
{
    Open();
    Show(1);
    ::SetFocus(Folder());
    PostSpace(Folder());
    ASSERT_TRUE(PumpUntil([&] { return !mListener.mCalls.empty(); }));
    EXPECT_EQ(mListener.mCalls, TCalls{"ConvertToFolder"});

    gKeysToWindow.clear();
    gWatchedWindow = Handle();
    gRealSendMessage = GetWindowTable().SendMessageA;
    CScopedTableEntry watch(GetWindowTable().SendMessageA, [](HWND window, UINT message, WPARAM first, LPARAM second) {
        if (window == gWatchedWindow && (message == WM_KEYDOWN || message == WM_KEYUP))
            gKeysToWindow.emplace_back(message, first);
        return gRealSendMessage(window, message, first, second);
    });
    const WPARAM kKeys[] = {VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
    for (const WPARAM key : kKeys)
        ::PostMessageA(Folder(), WM_KEYDOWN, key, 1);
    ASSERT_TRUE(PumpUntil([&] { return gKeysToWindow.size() == std::size(kKeys); }));
    for (std::size_t i = 0; i < std::size(kKeys); ++i)
        EXPECT_EQ(gKeysToWindow[i], std::make_pair(static_cast<UINT>(WM_KEYDOWN), kKeys[i]));
    EXPECT_EQ(mListener.mCalls, TCalls{"ConvertToFolder"});
}

TEST_F(MainWindow, AfterAPageSwitchNoHiddenControlHoldsTheFocusNorTakesSpace)
{
    Open();
    Show(1);
    for (HWND control : {Folder(), Eject()}) {
        SCOPED_TRACE(control == Folder() ? "folder" : "eject");
        Show(1);
        ::SetFocus(control);
        ASSERT_EQ(::GetFocus(), control);
        Show(0);
        for (HWND hidden : {Folder(), Archive(), Eject()})
            EXPECT_NE(::GetFocus(), hidden);
        PostSpace(control);
        PumpPending();
        EXPECT_TRUE(mListener.mCalls.empty());
    }
}

TEST_F(MainWindow, ARealClickOnTheFolderButtonConvertsToAFolder)
{
    if (!NSGuiTest::HasRealInput())
        GTEST_SKIP() << "xdotool is not installed";
    Open();
    Show(1);
    RECT onScreen{};
    ::GetWindowRect(Folder(), &onScreen);
    ASSERT_TRUE(NSGuiTest::RunXdotool("mousemove " + std::to_string((onScreen.left + onScreen.right) / 2) + " " +
                                      std::to_string((onScreen.top + onScreen.bottom) / 2) + " click 1"));
    ASSERT_TRUE(PumpUntil([&] { return !mListener.mCalls.empty(); }, 20000));
    PumpPending();
    EXPECT_EQ(mListener.mCalls, TCalls{"ConvertToFolder"});
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("MainWindowRealClick").empty());
}
