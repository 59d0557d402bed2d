#include "app/mainwindow/MainWindow.h"

#include "app/mainwindow/DoubleBufferingView.h"
#include "app/mainwindow/PanePages.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/dialogs/ChooserRules.h"
#include "framework/gui/dialogs/Choosers.h"
#include "framework/gui/input/Cursors.h"
#include "framework/gui/screens/ScreenLayout.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/pages/BitmapView.h"
#include "framework/views/pages/PagedGroupView.h"

using NSTramvell::CLocation;
using NSTramvell::CLocationRect;
using NSTramvell::CRect;
using NSTramvell::GetWindowTable;

namespace {

constexpr std::uint16_t kMainWindowTemplate = 128;
constexpr std::uint16_t kSkinItem = 1;
constexpr std::uint16_t kMessagePaneItem = 2;
constexpr std::uint16_t kProgressPaneItem = 3;
constexpr std::uint16_t kExitStopItem = 4;
constexpr std::uint16_t kSkinBitmap = 128;
constexpr std::int32_t kExitTitle = 401281101;
constexpr std::int32_t kStopTitle = 401281102;
constexpr std::int32_t kBorderStyle = 0;

bool IsSaved(const CLocation& position)
{
    return position.GetX() != CMainWindow::kNoPosition && position.GetY() != CMainWindow::kNoPosition;
}

CLocationRect ToLocationRect(const CRect& rect)
{
    return CLocationRect(rect.GetLeft(), rect.GetTop(), rect.GetRight(), rect.GetBottom());
}

CRect ToRect(const CLocationRect& rect)
{
    return CRect(rect.GetLeft(), rect.GetTop(), rect.GetRight(), rect.GetBottom());
}

// The outer rectangle for a client area of the size: centred, or with the client's corner at the saved
// position and then kept on the screen.
CRect PlaceFrame(const NSTramvell::CPoint& size, const CLocation& position, const CRect& insets)
{
    const CLocationRect margins = ToLocationRect(insets);
    if (!IsSaved(position))
        return ToRect(NSTramvell::GetCenteredWindowRect(size, margins));
    const CLocationRect client(position.GetX(), position.GetY(), position.GetX() + size.GetX(),
                               position.GetY() + size.GetY());
    return NSTramvell::FitRectOnScreen(ToRect(NSTramvell::ExpandByMargins(margins, client)));
}

// The frame the window is made with, before it exists to be measured: the fixed border's insets with a
// menu bar's height on top.
CRect InitialFrame(const NSTramvell::CPoint& size, const CLocation& position)
{
    CRect insets = NSTramvell::CDocumentWindow::GetFrameInsets(kBorderStyle);
    insets.SetTop(insets.GetTop() + 1 + GetWindowTable().GetSystemMetrics(SM_CYMENU));
    return PlaceFrame(size, position, insets);
}

// The insets of the window's own non-client area, as the platform converts for its styles and menu.
CRect MeasureInsets(HWND handle, const NSTramvell::CPoint& size)
{
    NSTramvell::CWindowTable& table = GetWindowTable();
    RECT frame{0, 0, size.GetX(), size.GetY()};
    const auto style = static_cast<DWORD>(table.GetWindowLongA(handle, GWL_STYLE));
    const auto extendedStyle = static_cast<DWORD>(table.GetWindowLongA(handle, GWL_EXSTYLE));
    const BOOL hasMenu = table.GetMenu(handle) != nullptr ? TRUE : FALSE;
    if (!table.AdjustWindowRectEx(&frame, style, hasMenu, extendedStyle))
        return CRect();
    return CRect(-frame.left, -frame.top, frame.right - size.GetX(), frame.bottom - size.GetY());
}

CRect GetClientOnScreen(HWND handle)
{
    NSTramvell::CWindowTable& table = GetWindowTable();
    RECT client{};
    table.GetClientRect(handle, &client);
    POINT origin{0, 0};
    table.ClientToScreen(handle, &origin);
    return CRect(origin.x, origin.y, origin.x + client.right, origin.y + client.bottom);
}

void MoveFrame(HWND handle, const CRect& frame)
{
    GetWindowTable().SetWindowPos(handle, nullptr, frame.GetLeft(), frame.GetTop(), frame.GetWidth(),
                                  frame.GetHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

NSTramvell::CPushButtonView::CDescription ExitStopItem(const NSTramvell::CDialogTemplate& layout)
{
    const NSTramvell::CDialogItem item = layout.FindItem(kExitStopItem);
    return {item.GetText(), NSTramvell::CPushButtonView::FrameFromItemRect(item.GetRect()),
            NSTramvell::CPushButtonView::kOrdinaryButton};
}

} // namespace

CMainWindow::CMainWindow(IMainWindowActionListener* listener, const CLocation& position, bool archiveAvailable)
    : CMainWindow(NSTramvell::CDialogTemplate::Load(kMainWindowTemplate), listener, position, archiveAvailable)
{
}

CMainWindow::CMainWindow(NSTramvell::CDialogTemplate layout, IMainWindowActionListener* listener,
                         const CLocation& position, bool archiveAvailable)
    : CDocumentWindow(kBorderStyle, layout.GetTitle(), InitialFrame(layout.GetSize(), position))
    , mListener(listener)
    , mLayout(std::move(layout))
{
    try {
        PlaceClientArea(position);
        mExitStopButton.emplace(GetRootView(), ExitStopItem(mLayout));
        CreateViews(archiveAvailable);
    } catch (...) {
        Dispose();
        throw;
    }
}

CMainWindow::~CMainWindow()
{
    Dispose();
}

// Themes, padded borders and a menu bar that wraps make the real non-client area differ from what the
// metrics say; a client area off by a few pixels would also move the saved position at every start.
void CMainWindow::PlaceClientArea(const CLocation& position)
{
    const HWND handle = GetWindowHandle();
    const NSTramvell::CPoint size = mLayout.GetSize();
    const CRect insets = MeasureInsets(handle, size);
    CRect frame(0, 0, insets.GetLeft() + size.GetX() + insets.GetRight(),
                insets.GetTop() + size.GetY() + insets.GetBottom());
    // Centred where the window was made centred: centring again now would centre over the window itself,
    // the newest document window.
    if (IsSaved(position))
        frame = PlaceFrame(size, position, insets);
    else
        frame.AlignIn(GetBoundsField());
    const CRect wanted(frame.GetLeft() + insets.GetLeft(), frame.GetTop() + insets.GetTop(),
                       frame.GetLeft() + insets.GetLeft() + size.GetX(),
                       frame.GetTop() + insets.GetTop() + size.GetY());
    MoveFrame(handle, frame);
    const CRect actual = GetClientOnScreen(handle);
    if (actual != wanted) {
        frame = CRect(frame.GetLeft() + wanted.GetLeft() - actual.GetLeft(),
                      frame.GetTop() + wanted.GetTop() - actual.GetTop(),
                      frame.GetRight() + wanted.GetRight() - actual.GetRight(),
                      frame.GetBottom() + wanted.GetBottom() - actual.GetBottom());
        MoveFrame(handle, frame);
    }
    SetBoundsField(frame);
}

void CMainWindow::CreateViews(bool archiveAvailable)
{
    const CRect skinFrame = mLayout.GetItemRect(kSkinItem);
    const CRect messageFrame = mLayout.GetItemRect(kMessagePaneItem);
    const CRect progressFrame = mLayout.GetItemRect(kProgressPaneItem);
    mSkinGroup = std::make_unique<CDoubleBufferingView>(GetRootView(), skinFrame);
    mSkinBitmap = std::make_unique<NSTramvell::CBitmapView>(mSkinGroup.get(), NSTramvell::CBitmapKey(kSkinBitmap));
    mMessagePane = std::make_unique<NSTramvell::CPagedGroupView>(mSkinGroup.get(), messageFrame);
    mProgressPane = std::make_unique<NSTramvell::CPagedGroupView>(GetRootView(), progressFrame);
    mPromptPage = std::make_unique<CMessagePanePromptPage>(mMessagePane.get(), messageFrame);
    mMessageChoosePage = std::make_unique<CMessagePaneChoosePage>(mMessagePane.get(), messageFrame);
    mWorkingPage = std::make_unique<CMessagePaneWorkingPage>(mMessagePane.get(), messageFrame);
    mBlankPage = std::make_unique<CProgressPaneBlankPage>(mProgressPane.get(), progressFrame);
    mProgressChoosePage = std::make_unique<CProgressPaneChoosePage>(mProgressPane.get(), progressFrame, true,
                                                                    archiveAvailable);
    mProgressPage = std::make_unique<CProgressPaneProgressPage>(mProgressPane.get(), progressFrame);
    mMessagePane->SetCurrentPage(0);
    mProgressPane->SetCurrentPage(0);
    mSkinBitmap->SetFrame(skinFrame);
}

void CMainWindow::Dispose()
{
    mProgressPage.reset();
    mProgressChoosePage.reset();
    mBlankPage.reset();
    mWorkingPage.reset();
    mMessageChoosePage.reset();
    mPromptPage.reset();
    mProgressPane.reset();
    mMessagePane.reset();
    mSkinBitmap.reset();
    mSkinGroup.reset();
    mExitStopButton.reset();
    CDocumentWindow::Dispose();
}

void CMainWindow::ShowState(std::int32_t state)
{
    mState = state;
    switch (state) {
    case kWaitingState:
        ShowPages(0, kExitTitle);
        break;
    case kChoosingState:
        ShowPages(1, kExitTitle);
        break;
    case kConvertingState:
        ShowPages(2, kStopTitle);
        break;
    default:
        break;
    }
}

void CMainWindow::ShowPages(std::uint16_t page, std::int32_t titleEntry)
{
    const std::string title = NSTramvell::GetString(titleEntry);
    mMessagePane->SetCurrentPage(page);
    mProgressPane->SetCurrentPage(page);
    mExitStopButton->SetTitle(title);
    mExitStopButton->SetEnabled(true);
}

void CMainWindow::SetProgress(std::int32_t done, std::int32_t total)
{
    mProgressPage->SetProgress(done, total);
}

void CMainWindow::SetProgressTexts(const std::string& heading, const std::string& details)
{
    mWorkingPage->SetTexts(heading, details);
}

void CMainWindow::DisableStopButton()
{
    mExitStopButton->SetEnabled(false);
}

void CMainWindow::ConvertToFolder()
{
    if (mListener != nullptr)
        mListener->ConvertToFolder();
}

void CMainWindow::ConvertToArchive()
{
    if (mListener != nullptr)
        mListener->ConvertToArchive();
}

void CMainWindow::Eject()
{
    if (mListener != nullptr)
        mListener->Eject();
}

void CMainWindow::CloseIfAllowed()
{
    if (NSTramvell::CApplication* application = NSTramvell::CApplication::GetApplication())
        application->TryQuit();
}

std::int32_t CMainWindow::RootViewChanged()
{
    // A disabled button's native control may still report a sent click.
    if (!mExitStopButton || !mExitStopButton->ConsumePushed() || !mExitStopButton->IsEnabled() ||
        mListener == nullptr)
        return 0;
    if (mState == kWaitingState || mState == kChoosingState)
        mListener->Quit();
    else if (mState == kConvertingState)
        mListener->StopConversion();
    return 0;
}

bool CMainWindow::MayClose()
{
    if (mState != kConvertingState)
        return true;
    NSTramvell::UpdateWindowsNow();
    return false;
}
