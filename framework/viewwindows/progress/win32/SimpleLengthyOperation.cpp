#include "framework/viewwindows/progress/SimpleLengthyOperation.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/strings/StringUtilities.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/WindowClasses.h"
#include "framework/views/controls/ProgressBarView.h"
#include "framework/views/controls/PushButtonView.h"
#include "framework/views/controls/StaticTextView.h"

#include <utility>

namespace NSTramvell {

namespace {

HWND GetProgressWindowOwner(HWND owner)
{
    if (owner != nullptr)
        return owner;
    if (const CABCWindow* active = GetActiveFrameworkWindow())
        return active->GetWindowHandle();
    const CApplication* application = CApplication::GetApplication();
    return application != nullptr ? application->GetFrameWindowHandle() : nullptr;
}

} // namespace

CSimpleLengthyOperationWindow::CSimpleLengthyOperationWindow(const std::string& title, HWND owner)
{
    Build(title, owner, nullptr);
}

CSimpleLengthyOperationWindow::CSimpleLengthyOperationWindow(const std::string& title, HWND owner,
                                                             const CPoint& topLeft)
{
    Build(title, owner, &topLeft);
}

void CSimpleLengthyOperationWindow::Build(const std::string& title, HWND owner, const CPoint* topLeft)
{
    const CDialogTemplate layout = CDialogTemplate::Load(kTemplateId);
    const CApplication* application = CApplication::GetApplication();
    const HWND handle = GetWindowTable().CreateWindowExA(
        0, GetWindowClassName(kKindModalDialog), title.c_str(), kStyle, 0, 0, 0, 0, GetProgressWindowOwner(owner),
        nullptr, application != nullptr ? application->GetInstanceHandle() : nullptr, nullptr);
    if (handle == nullptr)
        throw XOutOfMemory();
    SetWindowHandle(handle);

    mStopButton = std::make_unique<CPushButtonView>(
        GetRootView(), CPushButtonView::CDescription{layout.GetItemText(kStopItem),
                                                     CPushButtonView::FrameFromItemRect(layout.GetItemRect(kStopItem)),
                                                     CPushButtonView::kOrdinaryButton});
    mMessage = std::make_unique<CStaticTextView>(GetRootView(), layout.GetItemText(kMessageItem),
                                                 layout.GetItemRect(kMessageItem));
    mBar = std::make_unique<CProgressBarView>(GetRootView(),
                                              CProgressBarView::FrameFromItemRect(layout.GetItemRect(kBarItem)));
    mCounter = std::make_unique<CStaticTextView>(GetRootView(), layout.GetItemText(kCounterItem),
                                                 layout.GetItemRect(kCounterItem));
    if (topLeft == nullptr) {
        ShowCenteredForClientSize(layout.GetSize());
        return;
    }
    const CPoint size = GetFrameSizeForClientSize(layout.GetSize());
    ShowWithBounds(CRect(topLeft->GetX(), topLeft->GetY(), topLeft->GetX() + size.GetX(), topLeft->GetY() + size.GetY()));
}

CSimpleLengthyOperationWindow::~CSimpleLengthyOperationWindow()
{
    // The views go before the window, whose disposal would delete them from under their owners.
    mCounter.reset();
    mBar.reset();
    mMessage.reset();
    mStopButton.reset();
    Dispose();
}

void CSimpleLengthyOperationWindow::UpdateFromInfo(const CABCProgressInfo& info)
{
    mInfo = dynamic_cast<const CSimpleProgressInfo&>(info);
    mMessage->SetText(mInfo.GetMessage());
    mStopButton->SetTitle(mInfo.GetStopTitle());
    mCounter->SetText(RealToString(mInfo.GetCount(), 0));
    mBar->SetValue(static_cast<std::uint16_t>(mInfo.GetValue() & 0xFFFF));
}

std::int32_t CSimpleLengthyOperationWindow::RootViewChanged()
{
    if (mStopButton != nullptr && mStopButton->ConsumePushed())
        RequestStop();
    return 0;
}

std::string CSimpleLengthyOperationWindow::GetMessageText() const
{
    return mMessage->GetText();
}

std::string CSimpleLengthyOperationWindow::GetCounterText() const
{
    return mCounter->GetText();
}

CSimpleLengthyOperation::CSimpleLengthyOperation(HWND owner, std::string title)
    : mOwner(owner)
    , mTitle(std::move(title))
{
}

CABCLengthyOperationWindow* CSimpleLengthyOperation::CreateProgressWindow(const CABCProgressInfo&)
{
    return new CSimpleLengthyOperationWindow(mTitle, mOwner);
}

} // namespace NSTramvell
