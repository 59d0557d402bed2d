// Real dialogs and document windows on the Xvfb screen: modal runs driven from inside their loop and by
// messages a driver thread posts, their sizes, keys and menus, and the framework's templates.

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/dialogs/DocumentWindow.h"
#include "framework/gui/dialogs/ModalDialog.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <stdexcept>

using namespace NSTramvell;

namespace {

void RegisterClassesOnce()
{
    static const bool registered = [] {
        RegisterWindowClasses(::GetModuleHandleA(nullptr));
        return true;
    }();
    (void)registered;
}

const CPoint kClientSize(285, 130);

class CTestDialog : public CModalDialog
{
public:
    CTestDialog(std::int32_t style, const std::string& title)
        : CModalDialog(style, title, OuterBoundsFor(style))
    {
        new NSGuiTest::CTestView(GetRootView(), CRect(10, 10, 60, 30), "view");
        ++sLiving;
    }
    ~CTestDialog() override { --sLiving; }

    static CRect OuterBoundsFor(std::int32_t style)
    {
        const CFrameInsets insets = GetFrameInsets(style);
        return CRect(100 - insets.GetLeft(), 100 - insets.GetTop(), 100 + kClientSize.GetX() + insets.GetRight(),
                     100 + kClientSize.GetY() + insets.GetBottom());
    }

    // Whether the native window was there when a close was asked for, and when the dialog went.
    void RequestClose() override
    {
        sCloseRequests.push_back(::IsWindow(GetWindowHandle()) != FALSE);
        CModalDialog::RequestClose();
    }
    void DoDefaultAction() override { ++mDefaults; }
    void DoCancelAction() override { ++mCancels; }

    static int sLiving;
    static std::vector<bool> sCloseRequests;
    int mDefaults = 0;
    int mCancels = 0;
};

int CTestDialog::sLiving = 0;
std::vector<bool> CTestDialog::sCloseRequests;

CKeyEvent MakeKey(std::uint32_t keyCode, std::uint32_t kind, bool control = false)
{
    std::array<std::uint8_t, CModifierKeys::kFlagCount> flags{};
    flags[2] = control ? 1 : 0;   // the left Control key
    return CKeyEvent(CModifierKeys(flags), keyCode, kind, 0, 0);
}

class DialogWindows : public testing::Test
{
protected:
    DialogWindows() { RegisterClassesOnce(); }

    const NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
};

TEST_F(DialogWindows, ModalRunEndsOnAPostedCloseAndOnlyThenDestroysTheWindow)
{
    NSGuiTest::CTestWindow behind;
    behind.ShowWithBounds(CRect(400, 300, 600, 450));
    // Style 1 has the close box; the others ignore a close message.
    auto* dialog = new CTestDialog(1, "Modal test");
    const HWND handle = dialog->GetWindowHandle();
    dialog->ReapplyBounds();
    EXPECT_FALSE(::IsWindowEnabled(behind.GetWindowHandle()));

    CTestDialog::sCloseRequests.clear();
    CRect client;
    std::int16_t busyInside = 0;
    NSGuiTest::CTestIdleClient inside(20, [&] {
        if (CTestDialog::sCloseRequests.size() > 0)
            return;
        client = dialog->GetClientBounds();
        busyInside = GetBusyCount();
    });
    NSGuiTest::CDriverThread driver([] {
        const HWND shown = NSGuiTest::WaitForTopWindow("Modal test", 5000);
        NSGuiTest::SaveScreenshot("modal-dialog");
        ::PostMessageA(shown, WM_CLOSE, 0, 0);
    });
    CModalDialog::RunModal(dialog);

    EXPECT_EQ(CTestDialog::sCloseRequests, std::vector<bool>{true});
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(CTestDialog::sLiving, 0);
    EXPECT_EQ(client, CRect(0, 0, kClientSize.GetX(), kClientSize.GetY()));
    EXPECT_EQ(busyInside, 1);
    EXPECT_EQ(GetBusyCount(), 0);
    EXPECT_TRUE(::IsWindowEnabled(behind.GetWindowHandle()));
}

TEST_F(DialogWindows, KeysCallTheDialogsActionsAndMenusAreSwallowed)
{
    auto* dialog = new CTestDialog(0, "Keys");
    dialog->ReapplyBounds();
    std::vector<int> seen;
    bool allHandled = true;
    bool acted = false;
    NSGuiTest::CTestIdleClient inside(20, [&] {
        if (acted)
            return;
        acted = true;
        // Control+F4 is the base window's, which declines it without a system menu: the dialog still
        // keeps it from the windows behind.
        for (const CKeyEvent& key : {MakeKey(kKeyReturn, kKeyDown), MakeKey(kKeyEnter, kKeyDown),
                                     MakeKey(kKeyEscape, kKeyDown), MakeKey(kKeyReturn, kKeyUp),
                                     MakeKey(kKeyF4, kKeyDown, true)})
            allHandled = dialog->HandleBuiltInKey(key) && allHandled;
        allHandled = dialog->HandleMenuCommand(1234) && allHandled;
        seen = {dialog->mDefaults, dialog->mCancels};
        dialog->RequestClose();
    });
    CModalDialog::RunModal(dialog);
    EXPECT_TRUE(allHandled);
    EXPECT_EQ(seen, (std::vector<int>{2, 1}));
}

TEST_F(DialogWindows, TheBaseWindowsKeysComeFirstControlF4ClosesADialogWithASystemMenu)
{
    // Style 1 has the system menu, style 0 none.
    for (const auto& [style, closes] : {std::pair{1, true}, std::pair{0, false}}) {
        auto* dialog = new CTestDialog(style, "Control F4");
        dialog->ReapplyBounds();
        CTestDialog::sCloseRequests.clear();
        bool handled = false;
        bool doneByKey = false;
        int actions = -1;
        bool pressed = false;
        NSGuiTest::CTestIdleClient inside(20, [&] {
            if (pressed)
                return;
            pressed = true;
            handled = dialog->HandleBuiltInKey(MakeKey(kKeyF4, kKeyDown, true));
            doneByKey = dialog->IsDone();
            actions = dialog->mDefaults + dialog->mCancels;
            dialog->RequestClose();
        });
        CModalDialog::RunModal(dialog);
        EXPECT_TRUE(handled) << "style " << style;
        EXPECT_EQ(doneByKey, closes) << "style " << style;
        EXPECT_EQ(actions, 0) << "style " << style;
    }
}

TEST_F(DialogWindows, NestedRunsRestoreTheBusyCountAndEachStylesClientSizeHolds)
{
    auto* outer = new CTestDialog(2, "Outer");
    outer->ReapplyBounds();
    std::vector<std::int16_t> busy;
    std::vector<CRect> clients;
    bool innerRan = false;
    NSGuiTest::CTestIdleClient inside(20, [&] {
        if (innerRan)
            return;
        innerRan = true;
        for (const std::int32_t style : {0, 1, 2, 3, 4}) {
            auto* inner = new CTestDialog(style, "Inner");
            inner->ReapplyBounds();
            clients.push_back(inner->GetClientBounds());
            bool asked = false;
            NSGuiTest::CTestIdleClient innerStep(20, [&] {
                if (asked)
                    return;
                asked = true;
                busy.push_back(GetBusyCount());
                inner->RequestClose();
            });
            CModalDialog::RunModal(inner);
        }
        busy.push_back(GetBusyCount());
        outer->RequestClose();
    });
    CModalDialog::RunModal(outer);
    EXPECT_TRUE(innerRan);
    ASSERT_EQ(busy.size(), 6u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_GE(busy[i], 2);
    EXPECT_EQ(busy[5], 1);
    EXPECT_EQ(GetBusyCount(), 0);
    for (std::size_t style = 0; style < clients.size(); ++style)
        EXPECT_EQ(clients[style], CRect(0, 0, kClientSize.GetX(), kClientSize.GetY())) << "style " << style;
}

TEST_F(DialogWindows, AFailingRunDisposesOfTheDialogAndPassesTheExceptionOn)
{
    auto* dialog = new CTestDialog(0, "Failing");
    dialog->ReapplyBounds();
    const HWND handle = dialog->GetWindowHandle();
    CScopedTableEntry noActivation(GetWindowTable().SetActiveWindow,
                                   [](HWND) -> HWND { throw std::runtime_error("activation refused"); });
    EXPECT_THROW(CModalDialog::RunModal(dialog), std::runtime_error);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(CTestDialog::sLiving, 0);
    EXPECT_EQ(GetBusyCount(), 0);
}

TEST_F(DialogWindows, ModelessDialogsHaveTheRequestedClientSize)
{
    for (const std::int32_t style : {0, 1, 2}) {
        SCOPED_TRACE(style);
        const CFrameInsets insets = CModelessDialog::GetFrameInsets(style);
        CModelessDialog dialog(style, "Modeless", CRect());
        dialog.ShowWithBounds(CRect(50 - insets.GetLeft(), 50 - insets.GetTop(), 250 + insets.GetRight(),
                                    150 + insets.GetBottom()));
        EXPECT_EQ(dialog.GetClientBounds(), CRect(0, 0, 200, 100));
        EXPECT_TRUE(dialog.HasCloseCommand());
    }
}

namespace {

BOOL CALLBACK FindModelessDialog(HWND window, LPARAM found)
{
    return FindModelessDialogCallback(window, reinterpret_cast<HWND*>(found)) != 0 ? TRUE : FALSE;
}

HWND EnumerateForModelessDialog()
{
    HWND found = nullptr;
    ::EnumWindows(&FindModelessDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

TEST_F(DialogWindows, TheEnumerationFindsAShownModelessDialogOnly)
{
    NSGuiTest::CTestWindow plain;
    plain.ShowWithBounds(CRect(10, 10, 200, 150));
    EXPECT_EQ(EnumerateForModelessDialog(), nullptr);
    HWND out = nullptr;
    EXPECT_EQ(FindModelessDialogCallback(plain.GetWindowHandle(), &out), 1);
    EXPECT_EQ(out, nullptr);
    {
        CModelessDialog dialog(0, "Modeless", CRect(0, 0, 200, 100));
        dialog.ShowWithBounds(CRect(220, 10, 420, 110));
        EXPECT_EQ(EnumerateForModelessDialog(), dialog.GetWindowHandle());
    }
    EXPECT_EQ(EnumerateForModelessDialog(), nullptr);
}

// A document window's border and client size, its placement queries and Control+F4.
TEST_F(DialogWindows, DocumentWindowsSizeTheirClientAndLeaveControlF4ToTheBaseUnlessMaximised)
{
    for (const std::int32_t style : {0, 1, 2, 3}) {
        SCOPED_TRACE(style);
        const CFrameInsets insets = CDocumentWindow::GetFrameInsets(style);
        auto* window = new CDocumentWindow(style, "Document", CRect());
        window->ShowWithBounds(CRect(60 - insets.GetLeft(), 60 - insets.GetTop(), 360 + insets.GetRight(),
                                     260 + insets.GetBottom()));
        EXPECT_EQ(window->GetClientBounds(), CRect(0, 0, 300, 200));
        const bool resizable = (::GetWindowLongA(window->GetWindowHandle(), GWL_STYLE) & WS_THICKFRAME) != 0;
        EXPECT_EQ(resizable, style >= 2);
        // A resizable window carries the size box in its client's bottom right corner.
        EXPECT_EQ(window->IsResizable(), style >= 2);
        const CWindowSizeBoxView* sizeBox = window->GetRootView()->GetSizeBox();
        ASSERT_EQ(sizeBox != nullptr, style >= 2);
        if (sizeBox != nullptr) {
            EXPECT_EQ(*sizeBox->GetFrame(), CRect(284, 184, 300, 200));
        }
        window->CloseNow();
    }
    EXPECT_EQ(CDocumentWindow::GetFrameInsets(7), CFrameInsets(0, ::GetSystemMetrics(SM_CYCAPTION), 0, 0));

    const CKeyEvent controlF4 = MakeKey(5, kKeyDown, true);
    auto* window = new CDocumentWindow(2, "Keyed", CRect());
    window->ShowWithBounds(CRect(60, 60, 400, 300));
    ::ShowWindow(window->GetWindowHandle(), SW_MAXIMIZE);
    EXPECT_TRUE(window->IsMaximized());
    EXPECT_FALSE(window->HandleBuiltInKey(MakeKey(5, kKeyDown)));
    EXPECT_FALSE(window->IsCloseRequested());
    EXPECT_TRUE(window->HandleBuiltInKey(controlF4));
    EXPECT_TRUE(window->IsCloseRequested());
    ::ShowWindow(window->GetWindowHandle(), SW_MINIMIZE);
    EXPECT_TRUE(window->IsMinimized());
    window->CloseNow();

    // Not maximised, Control+F4 is the base window's, which closes a window that has a system menu.
    auto* plain = new CDocumentWindow(2, "Plain", CRect());
    plain->ShowWithBounds(CRect(60, 60, 400, 300));
    EXPECT_FALSE(plain->IsMaximized());
    const bool hasSystemMenu = (::GetWindowLongA(plain->GetWindowHandle(), GWL_STYLE) & WS_SYSMENU) != 0;
    EXPECT_EQ(plain->HandleBuiltInKey(controlF4), hasSystemMenu);
    EXPECT_EQ(plain->IsCloseRequested(), hasSystemMenu);
    plain->CloseNow();
}

TEST_F(DialogWindows, CloseMarksCloseOnlyTheMarkedDocuments)
{
    auto* marked = new CDocumentWindow(0, "Marked", CRect());
    auto* kept = new CDocumentWindow(0, "Kept", CRect());
    marked->ShowWithBounds(CRect(10, 10, 200, 200));
    kept->ShowWithBounds(CRect(210, 10, 400, 200));
    EXPECT_EQ(GetNewestDocumentWindow(), kept);
    marked->SetClosePending(true);
    kept->SetClosePending(true);
    ClearCloseMarks();
    marked->SetClosePending(true);
    CloseMarkedDocumentWindows();
    EXPECT_TRUE(marked->IsCloseRequested());
    EXPECT_FALSE(kept->IsCloseRequested());
    UpdateFlaggedWindows();
    EXPECT_EQ(GetNewestDocumentWindow(), kept);
    kept->CloseNow();
    EXPECT_EQ(GetNewestDocumentWindow(), nullptr);
}

TEST_F(DialogWindows, AWindowThePlatformRefusesIsOutOfMemory)
{
    CScopedTableEntry noWindow(GetWindowTable().CreateWindowExA,
                               [](DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                                  LPVOID) -> HWND { return nullptr; });
    EXPECT_THROW(CDocumentWindow(0, "None", CRect()), XOutOfMemory);
    EXPECT_THROW(CTestDialog(0, "None"), XOutOfMemory);
}

TEST_F(DialogWindows, FrameworkTemplatesLoadFromTheResources)
{
    const CDialogTemplate alert = CDialogTemplate::Load(10005);
    EXPECT_EQ(alert.GetSize(), CPoint(285, 130));
    EXPECT_EQ(alert.GetItemRect(1), CRect(15, 97, 96, 119));
    EXPECT_EQ(alert.FindItem(5).GetKind(), std::uint32_t(kDialogItemIcon));
    EXPECT_EQ(alert.FindItem(5).GetText(), "");
    EXPECT_EQ(alert.FindItem(1).GetKind(), std::uint32_t(kDialogItemButton));
    const CDialogTemplate question = CDialogTemplate::Load(10003);
    EXPECT_EQ(question.GetTitle(), "Save changes before close?");
    EXPECT_EQ(question.GetItemText(4), "Save changes to the ^0 document \"^1\" before closing?");
    EXPECT_ANY_THROW(CDialogTemplate::Load(10004));
}

} // namespace
