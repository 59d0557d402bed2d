#include "framework/viewwindows/dialogs/LowMemoryDialog.h"

#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/MemoryReserve.h"
#include "framework/foundation/strings/StringManager.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/dialogs/Choosers.h"
#include "framework/gui/drawing/NativeFont.h"
#include "framework/gui/images/IconCache.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/FocusHandling.h"
#include "framework/views/controls/IconView.h"
#include "framework/views/controls/PushButtonView.h"
#include "framework/views/controls/StaticTextView.h"

namespace NSTramvell {

namespace {

constexpr std::int32_t kReserveSizeInBytes = 65536;
constexpr std::uint32_t kWarningIcon = 16;
constexpr std::int32_t kIconSide = 32;
// Where the views wait until the first layout places them.
const CRect kOffWindow(-100, 0, -50, 20);

struct CLowMemoryTexts
{
    std::string message;
    std::string detail;
    std::string button;
};

CLowMemoryTexts gTexts;
CLowMemoryDialog* gDialog = nullptr;                  // the window registry owns a shown dialog
std::unique_ptr<CMemoryReserve> gReserve;

std::string GetModuleName()
{
    const CABCCodeModule* module = CABCCodeModule::GetCurrent();
    return module != nullptr ? module->GetName() : std::string();
}

CRect GetCenteredBounds()
{
    const CFrameInsets insets = CModelessDialog::GetFrameInsets(CLowMemoryDialog::kDialogStyle);
    const CLocationRect margins(insets.GetLeft(), insets.GetTop(), insets.GetRight(), insets.GetBottom());
    const CLocationRect outer = GetCenteredWindowRect(CLowMemoryDialog::kClientWidth,
                                                      CLowMemoryDialog::kClientHeight, margins);
    return CRect(outer.GetLeft(), outer.GetTop(), outer.GetRight(), outer.GetBottom());
}

} // namespace

CLowMemoryDialog::CLowMemoryDialog(const CRect& outerBounds, std::unique_ptr<CMemoryReserveRelease> heldReserve)
    : CModelessDialog(kDialogStyle, GetModuleName(), outerBounds)
    , mHeldReserve(std::move(heldReserve))
{
    try {
        BuildViews();
    } catch (...) {
        ReleaseViews();
        throw;
    }
    gDialog = this;
}

CLowMemoryDialog::~CLowMemoryDialog()
{
    // Normal first: a reserve that cannot be taken back puts the application straight back into the
    // low-memory state, and that must be the state it is left in.
    if (CApplication* application = CApplication::GetApplication())
        application->LeaveLowMemoryState();
    mHeldReserve.reset();
    ReleaseViews();
}

void CLowMemoryDialog::BuildViews()
{
    CWindowRootGroupView* const root = GetRootView();
    mIconView = new CIconView(root, CIconRef(kWarningIcon), kOffWindow);
    mMessageView = new CStaticTextView(root, gTexts.message, kOffWindow);
    mDetailView = new CStaticTextView(root, gTexts.detail, kOffWindow);
    mDetailView->SetFont(GetSystemFontSpec());
    mButton = new CPushButtonView(root, gTexts.button, CPushButtonView::kOrdinaryButton, kOffWindow);
    // The one button holds the focus, and Tab keeps it there.
    AddFocusTarget(mButton);
    SetFocusView(mButton);
}

void CLowMemoryDialog::ReleaseViews()
{
    if (gDialog == this)
        gDialog = nullptr;
    delete mButton;
    mButton = nullptr;
    delete mDetailView;
    mDetailView = nullptr;
    delete mMessageView;
    mMessageView = nullptr;
    delete mIconView;
    mIconView = nullptr;
}

void CLowMemoryDialog::RootFrameChanged(const CRect&, const CRect& newFrame)
{
    LayOut(newFrame);
}

void CLowMemoryDialog::LayOut(const CRect& client)
{
    if (mButton == nullptr)
        return;
    const std::int32_t left = client.GetLeft();
    const std::int32_t top = client.GetTop();
    const std::int32_t right = client.GetRight();
    const std::int32_t bottom = client.GetBottom();
    mIconView->SetFrame(CRect(left + 20, top + 12, left + 20 + kIconSide, top + 12 + kIconSide));
    mMessageView->SetFrame(CRect(left + 72, top + 16, right - 8, top + 32));
    mDetailView->SetFrame(CRect(left + 72, top + 32, right - 8, bottom - 30));
    mButton->SetFrame(CRect(right - 108, bottom - 34, right - 8, bottom - 8));
}

std::int32_t CLowMemoryDialog::RootViewChanged()
{
    if (mButton != nullptr && mButton->ConsumePushed())
        CloseIfAllowed();
    return 0;
}

bool CLowMemoryDialog::HandleBuiltInKey(const CKeyEvent& event)
{
    if (event.GetKind() == kKeyDown && (event.GetKeyCode() == kKeyReturn || event.GetKeyCode() == kKeyEnter)) {
        SimulateButtonClick(mButton);
        return true;
    }
    if (event.GetKind() == kKeyDown && event.GetKeyCode() == kKeyEscape)
        return true;
    return CModelessDialog::HandleBuiltInKey(event);
}

void PrepareLowMemoryDialog()
{
    gReserve = std::make_unique<CMemoryReserve>(kReserveSizeInBytes);
    gTexts = CLowMemoryTexts{GetString(410000020), GetString(410000022), GetString(410000023)};
}

void SetLowMemoryDialogTexts(const std::string& message, const std::string& detail, const std::string& button)
{
    gTexts = CLowMemoryTexts{message, detail, button};
}

void ShowLowMemoryDialog()
{
    if (gDialog != nullptr)
        return;
    // The reserve makes room for the dialog; should the dialog not come, it is taken back at once.
    auto heldReserve = gReserve != nullptr ? std::make_unique<CMemoryReserveRelease>(*gReserve) : nullptr;
    auto* dialog = new CLowMemoryDialog(GetCenteredBounds(), std::move(heldReserve));
    try {
        dialog->ReapplyBounds();
    } catch (...) {
        dialog->CloseNow();
        throw;
    }
}

void CloseLowMemoryDialog()
{
    if (CLowMemoryDialog* const dialog = gDialog) {
        gDialog = nullptr;
        dialog->CloseNow();
    }
}

void ReleaseLowMemoryDialog()
{
    CloseLowMemoryDialog();
    gReserve.reset();
}

bool IsLowMemoryDialogShown()
{
    return gDialog != nullptr;
}

CLowMemoryDialog* GetLowMemoryDialog()
{
    return gDialog;
}

} // namespace NSTramvell
