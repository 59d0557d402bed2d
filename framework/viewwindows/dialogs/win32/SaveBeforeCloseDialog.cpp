#include "framework/viewwindows/dialogs/SaveBeforeCloseDialog.h"

#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/strings/StringUtilities.h"
#include "framework/gui/dialogs/Choosers.h"
#include "framework/gui/images/IconCache.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/FocusHandling.h"
#include "framework/views/controls/IconView.h"
#include "framework/views/controls/PushButtonView.h"
#include "framework/views/controls/StaticTextView.h"

#include <array>
#include <utility>

namespace NSTramvell {

namespace {

constexpr std::int32_t kDialogStyle = 0;
constexpr std::uint16_t kYesItem = 1;
constexpr std::uint16_t kCancelItem = 2;
constexpr std::uint16_t kNoItem = 3;
constexpr std::uint16_t kQuestionItem = 4;
constexpr std::uint16_t kIconItem = 5;
constexpr std::uint32_t kWarningIcon = 16;
constexpr std::uint32_t kKeyY = 39;
constexpr std::uint32_t kKeyC = 64;
constexpr std::uint32_t kKeyN = 67;

CRect GetCenteredBoundsFor(const CDialogTemplate& dialogTemplate)
{
    const CFrameInsets insets = CModalDialog::GetFrameInsets(kDialogStyle);
    const CLocationRect margins(insets.GetLeft(), insets.GetTop(), insets.GetRight(), insets.GetBottom());
    const CLocationRect outer = GetCenteredWindowRect(dialogTemplate.GetSize(), margins);
    return CRect(outer.GetLeft(), outer.GetTop(), outer.GetRight(), outer.GetBottom());
}

std::string GetApplicationName()
{
    const CABCCodeModule* module = CABCCodeModule::GetCurrent();
    return module != nullptr ? module->GetName() : std::string();
}

} // namespace

std::uint32_t CSaveBeforeCloseDialogClass::Run(const std::string& documentName)
{
    std::uint32_t result = kNoAnswer;
    auto* dialog = new CSaveBeforeCloseDialogClass(documentName, &result);
    try {
        dialog->ReapplyBounds();
    } catch (...) {
        dialog->CloseNow();
        throw;
    }
    CModalDialog::RunModal(dialog);
    return result;
}

CSaveBeforeCloseDialogClass::CSaveBeforeCloseDialogClass(const std::string& documentName, std::uint32_t* result)
    : CSaveBeforeCloseDialogClass(CDialogTemplate::Load(kTemplateId), documentName, result)
{
}

CSaveBeforeCloseDialogClass::CSaveBeforeCloseDialogClass(CDialogTemplate dialogTemplate,
                                                         const std::string& documentName, std::uint32_t* result)
    : CModalDialog(kDialogStyle, dialogTemplate.GetTitle(), GetCenteredBoundsFor(dialogTemplate))
    , mDocumentName(documentName)
    , mResult(result)
{
    try {
        BuildViews(dialogTemplate);
    } catch (...) {
        ReleaseViews();
        throw;
    }
}

CSaveBeforeCloseDialogClass::~CSaveBeforeCloseDialogClass()
{
    ReleaseViews();
}

void CSaveBeforeCloseDialogClass::BuildViews(const CDialogTemplate& dialogTemplate)
{
    CWindowRootGroupView* const root = GetRootView();
    mIcon = new CIconView(root, CIconView::MakeDescription(dialogTemplate, kIconItem, CIconRef(kWarningIcon)));
    mYes = new CPushButtonView(root, CPushButtonView::MakeDescription(dialogTemplate, kYesItem,
                                                                      CPushButtonView::kDefaultButton));
    mNo = new CPushButtonView(root, CPushButtonView::MakeDescription(dialogTemplate, kNoItem,
                                                                     CPushButtonView::kOrdinaryButton));
    mCancel = new CPushButtonView(root, CPushButtonView::MakeDescription(dialogTemplate, kCancelItem,
                                                                         CPushButtonView::kOrdinaryButton));
    CStaticTextView::CDescription question = CStaticTextView::MakeDescription(dialogTemplate, kQuestionItem);
    question.mText = ReplaceParameters(question.mText, {GetApplicationName(), mDocumentName});
    mQuestion = new CStaticTextView(root, question);
    AddFocusTarget(mYes);
    AddFocusTarget(mNo);
    AddFocusTarget(mCancel);
    SetFocusView(mYes);
}

void CSaveBeforeCloseDialogClass::ReleaseViews()
{
    delete mQuestion;
    mQuestion = nullptr;
    delete mCancel;
    mCancel = nullptr;
    delete mNo;
    mNo = nullptr;
    delete mYes;
    mYes = nullptr;
    delete mIcon;
    mIcon = nullptr;
}

// Along Yes, No, Cancel and round; from no button, left goes to Cancel and right to Yes.
void CSaveBeforeCloseDialogClass::MoveFocus(int step)
{
    const std::array<CPushButtonView*, 3> order = {mYes, mNo, mCancel};
    int at = -1;
    for (int i = 0; i < 3; ++i)
        if (GetFocusView() == order[static_cast<std::size_t>(i)])
            at = i;
    const int next = at < 0 ? (step < 0 ? 2 : 0) : (at + step + 3) % 3;
    SetFocusView(order[static_cast<std::size_t>(next)]);
}

bool CSaveBeforeCloseDialogClass::HandleKey(const CKeyEvent& event)
{
    const std::uint32_t code = event.GetKeyCode();
    if (event.GetKind() == kKeyDown || event.GetKind() == kKeyRepeat) {
        if (code == kKeyArrowLeft) {
            MoveFocus(-1);
            return true;
        }
        if (code == kKeyArrowRight) {
            MoveFocus(1);
            return true;
        }
    }
    if (event.GetKind() == kKeyDown) {
        CPushButtonView* pressed = nullptr;
        if (code == kKeyEscape || code == kKeyC)
            pressed = mCancel;
        else if (code == kKeyY)
            pressed = mYes;
        else if (code == kKeyN)
            pressed = mNo;
        if (pressed != nullptr) {
            SimulateButtonClick(pressed);
            return true;
        }
    }
    return CModalDialog::HandleKey(event);
}

std::int32_t CSaveBeforeCloseDialogClass::RootViewChanged()
{
    const std::pair<CPushButtonView*, std::uint32_t> answers[] = {
        {mYes, kAnswerYes}, {mCancel, kAnswerCancel}, {mNo, kAnswerNo}};
    for (const auto& [button, answer] : answers) {
        if (button != nullptr && button->ConsumePushed()) {
            *mResult = answer;
            CloseIfAllowed();
        }
    }
    return 0;
}

void CSaveBeforeCloseDialogClass::DoDefaultAction()
{
    SimulateButtonClick(mYes);
}

void CSaveBeforeCloseDialogClass::DoCancelAction()
{
    SimulateButtonClick(mCancel);
}

} // namespace NSTramvell
