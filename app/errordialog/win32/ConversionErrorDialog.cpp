#include "app/errordialog/ConversionErrorDialog.h"

#include "framework/foundation/strings/StringUtilities.h"
#include "framework/gui/dialogs/Choosers.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/images/IconCache.h"
#include "framework/gui/views/RootView.h"
#include "framework/views/controls/IconView.h"
#include "framework/views/controls/PushButtonView.h"
#include "framework/views/controls/StaticTextView.h"

namespace NSConversionErrorDialog {

using NSTramvell::CDialogTemplate;
using NSTramvell::CPushButtonView;
using NSTramvell::CRect;
using NSTramvell::CStaticTextView;

namespace {

// The framework's stock icons the two dialogs show.
constexpr std::uint32_t kErrorIcon = 17;
constexpr std::uint32_t kInformationIcon = 15;

// The stock icon at the item's top-left corner in its own square size, as the alerts show it: the icon view
// lets the dialog's background show through the icon's transparent pixels.
std::unique_ptr<NSTramvell::CIconView> MakeIcon(NSTramvell::CABCGroupView* parent, const CDialogTemplate& layout,
                                                std::uint16_t item, std::uint32_t stockIcon)
{
    auto icon = std::make_unique<NSTramvell::CIconView>(parent, NSTramvell::CIconRef(stockIcon),
                                                        layout.GetItemRect(item));
    const std::int32_t side = NSTramvell::GetShellIconRect().GetWidth();
    icon->SetSize(NSTramvell::CPoint(side, side));
    return icon;
}

// The client size of the template, centred over the program's window like every dialog of the program.
CRect CenteredDialogBounds(const CDialogTemplate& layout)
{
    const NSTramvell::CFrameInsets insets = NSTramvell::CModalDialog::GetFrameInsets(0);
    const NSTramvell::CLocationRect margins(insets.GetLeft(), insets.GetTop(), insets.GetRight(),
                                           insets.GetBottom());
    const NSTramvell::CLocationRect outer = NSTramvell::GetCenteredWindowRect(layout.GetSize(), margins);
    return CRect(outer.GetLeft(), outer.GetTop(), outer.GetRight(), outer.GetBottom());
}

std::unique_ptr<CPushButtonView> MakeButton(NSTramvell::CABCGroupView* parent, const CDialogTemplate& layout,
                                            std::uint16_t item, bool isDefault)
{
    CPushButtonView::CDescription description;
    description.mTitle = layout.GetItemText(item);
    description.mFrame = CPushButtonView::FrameFromItemRect(layout.GetItemRect(item));
    description.mKind = isDefault ? CPushButtonView::kDefaultButton : CPushButtonView::kOrdinaryButton;
    return std::make_unique<CPushButtonView>(parent, description);
}

void RunDialog(NSTramvell::CModalDialog* dialog)
{
    // The bounds are only applied when the dialog is shown; the modal run shows it and deletes it.
    dialog->ReapplyBounds();
    NSTramvell::CModalDialog::RunModal(dialog);
}

} // namespace

std::uint32_t CConversionErrorDialog::Run(const std::string& errorText)
{
    std::uint32_t result = kIgnore;
    RunDialog(new CConversionErrorDialog(errorText, result));
    return result;
}

CConversionErrorDialog::CConversionErrorDialog(const std::string& errorText, std::uint32_t& result)
    : CConversionErrorDialog(CDialogTemplate::Load(kConversionErrorTemplate), errorText, result)
{
}

CConversionErrorDialog::CConversionErrorDialog(const CDialogTemplate& layout, const std::string& errorText,
                                               std::uint32_t& result)
    : CModalDialog(0, layout.GetTitle(), CenteredDialogBounds(layout))
    , mResult(result)
{
    NSTramvell::CABCGroupView* root = GetRootView();
    mIgnoreButton = MakeButton(root, layout, 1, true);
    mIgnoreAllButton = MakeButton(root, layout, 2, false);
    mAbortButton = MakeButton(root, layout, 3, false);
    mIconView = MakeIcon(root, layout, 4, kErrorIcon);
    const std::string message = NSTramvell::ReplaceParameters(layout.GetItemText(5), errorText);
    mTextView = std::make_unique<CStaticTextView>(root, message, layout.GetItemRect(5));
    // The dialog has no caption: its native text is the message, so that whatever reads windows (a screen
    // reader, a test's driver) finds the error there.
    SetTitle(message);
    for (CPushButtonView* button : {mIgnoreButton.get(), mIgnoreAllButton.get(), mAbortButton.get()})
        AddFocusTarget(button);
    SetFocusView(mIgnoreButton.get());
}

CConversionErrorDialog::~CConversionErrorDialog() = default;

std::int32_t CConversionErrorDialog::RootViewChanged()
{
    // Each question consumes a push, so the buttons are asked one after the other and the first one
    // pushed wins.
    if (mIgnoreButton->ConsumePushed())
        mResult = kIgnore;
    else if (mIgnoreAllButton->ConsumePushed())
        mResult = kIgnoreAllErrors;
    else if (mAbortButton->ConsumePushed())
        mResult = kAbort;
    else
        return 0;
    RequestClose();
    return 0;
}

void CConversionErrorDialog::DoDefaultAction()
{
    mIgnoreButton->Push();
}

void CConversionErrorDialog::DoCancelAction()
{
    mAbortButton->Push();
}

std::string CConversionErrorDialog::GetMessage() const
{
    return mTextView->GetText();
}

CRect CConversionErrorDialog::GetIconFrame() const
{
    return *mIconView->GetFrame();
}

bool CConvertAnotherDialog::Run()
{
    bool convertAnother = true;
    RunDialog(new CConvertAnotherDialog(convertAnother));
    return convertAnother;
}

CConvertAnotherDialog::CConvertAnotherDialog(bool& convertAnother)
    : CConvertAnotherDialog(CDialogTemplate::Load(kConvertAnotherTemplate), convertAnother)
{
}

CConvertAnotherDialog::CConvertAnotherDialog(const CDialogTemplate& layout, bool& convertAnother)
    : CModalDialog(0, layout.GetTitle(), CenteredDialogBounds(layout))
    , mConvertAnother(convertAnother)
{
    NSTramvell::CABCGroupView* root = GetRootView();
    mConvertButton = MakeButton(root, layout, 1, true);
    mQuitButton = MakeButton(root, layout, 2, false);
    mIconView = MakeIcon(root, layout, 3, kInformationIcon);
    mTextView = std::make_unique<CStaticTextView>(root, layout.GetItemText(4), layout.GetItemRect(4));
    SetTitle(layout.GetItemText(4));
    AddFocusTarget(mConvertButton.get());
    AddFocusTarget(mQuitButton.get());
    SetFocusView(mConvertButton.get());
}

CConvertAnotherDialog::~CConvertAnotherDialog() = default;

std::int32_t CConvertAnotherDialog::RootViewChanged()
{
    if (mConvertButton->ConsumePushed())
        mConvertAnother = true;
    else if (mQuitButton->ConsumePushed())
        mConvertAnother = false;
    else
        return 0;
    RequestClose();
    return 0;
}

void CConvertAnotherDialog::DoDefaultAction()
{
    mConvertButton->Push();
}

void CConvertAnotherDialog::DoCancelAction()
{
    mQuitButton->Push();
}

} // namespace NSConversionErrorDialog
