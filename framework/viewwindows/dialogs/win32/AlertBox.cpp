#include "framework/viewwindows/dialogs/AlertBox.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Alerts.h"
#include "framework/gui/dialogs/AlertLayout.h"
#include "framework/gui/dialogs/Choosers.h"
#include "framework/gui/images/IconCache.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/FocusHandling.h"
#include "framework/views/controls/IconView.h"
#include "framework/views/controls/PushButtonView.h"
#include "framework/views/controls/StaticTextView.h"

#include <algorithm>

namespace NSTramvell {

namespace {

constexpr std::int32_t kAlertDialogStyle = 0;
constexpr std::uint16_t kMessageItem = 4;
constexpr std::uint16_t kIconItem = 5;

CRect GetCenteredBoundsFor(const CDialogTemplate& dialogTemplate)
{
    const CFrameInsets insets = CModalDialog::GetFrameInsets(kAlertDialogStyle);
    const CLocationRect margins(insets.GetLeft(), insets.GetTop(), insets.GetRight(), insets.GetBottom());
    const CLocationRect outer = GetCenteredWindowRect(dialogTemplate.GetSize(), margins);
    return CRect(outer.GetLeft(), outer.GetTop(), outer.GetRight(), outer.GetBottom());
}

// The box's title is empty and the framework draws the message itself, so a hidden native static child
// carries it for whatever reads windows from outside (a screen reader, the end-to-end driver). It goes
// with the window.
void AddMessageLabel(HWND box, const std::string& text)
{
    if (GetWindowTable().CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | SS_NOPREFIX, 0, 0, 0, 0, box, nullptr,
                                         nullptr, nullptr) == nullptr)
        throw XOutOfMemory();
}

std::string MakeShownText(const CAlertScript& parsed)
{
    return parsed.title.empty() ? parsed.message : parsed.title + "\r" + parsed.message;
}

} // namespace

CAlertBox::CAlertBox(const std::string& script, const std::vector<std::string>& parameters, std::uint32_t* result)
    : CAlertBox(CDialogTemplate::Load(kTemplateId), script, parameters, result)
{
}

CAlertBox::CAlertBox(CDialogTemplate dialogTemplate, const std::string& script,
                     const std::vector<std::string>& parameters, std::uint32_t* result)
    : CModalDialog(kAlertDialogStyle, dialogTemplate.GetTitle(), GetCenteredBoundsFor(dialogTemplate))
    , mTemplate(std::move(dialogTemplate))
    , mScript(script)
    , mParameters(parameters)
    , mResult(result)
{
    try {
        BuildViews();
    } catch (...) {
        // The base's destructor destroys the window.
        ReleaseViews();
        throw;
    }
}

CAlertBox::~CAlertBox()
{
    ReleaseViews();
}

CAlertScript CAlertBox::ParseScript(const std::string& script, const std::vector<std::string>& parameters)
{
    return ParseAlertScript(script, parameters);
}

void CAlertBox::BuildViews()
{
    const CAlertScript parsed = ParseScript(mScript, mParameters);
    mLabelCount = std::min<std::uint16_t>(parsed.labelCount, 3);
    CWindowRootGroupView* const root = GetRootView();

    const std::string shown = MakeShownText(parsed);
    mMessageView = new CStaticTextView(root, CStaticTextView::CDescription{shown, mTemplate.GetItemRect(kMessageItem)});
    AddMessageLabel(GetWindowHandle(), shown);

    for (int number = 1; number <= mLabelCount; ++number) {
        const std::int32_t kind = number == 1 ? CPushButtonView::kDefaultButton : CPushButtonView::kOrdinaryButton;
        CPushButtonView::CDescription description =
            CPushButtonView::MakeDescription(mTemplate, static_cast<std::uint16_t>(number), kind);
        description.mTitle = parsed.labels[static_cast<std::size_t>(number - 1)];
        mButtons[static_cast<std::size_t>(number - 1)] = new CPushButtonView(root, description);
    }

    const CRect iconItem = mTemplate.GetItemRect(kIconItem);
    if (parsed.kind != kAlertNone) {
        mIconView = new CIconView(root, CIconView::MakeDescription(mTemplate, kIconItem, CIconRef(parsed.kind)));
        const std::int32_t side = GetShellIconRect().GetWidth();
        mIconView->SetSize(CPoint(side, side));
    } else {
        mMessageView->MoveTo(iconItem.GetTopLeft());
    }

    std::array<CRect, 3> slots;
    for (std::uint16_t item = 1; item <= 3; ++item)
        slots[item - 1] = CPushButtonView::FrameFromItemRect(mTemplate.GetItemRect(item));
    const std::array<CPoint, 3> corners = PlaceAlertButtons(slots, mLabelCount);
    for (int i = 0; i < mLabelCount; ++i)
        mButtons[static_cast<std::size_t>(i)]->MoveTo(corners[static_cast<std::size_t>(i)]);

    for (const int number : {2, 3, 1})
        if (CPushButtonView* button = GetButton(number))
            AddFocusTarget(button);
    SetFocusView(GetButton(1));
}

void CAlertBox::ReleaseViews()
{
    delete mIconView;
    mIconView = nullptr;
    delete mMessageView;
    mMessageView = nullptr;
    for (CPushButtonView*& button : mButtons) {
        delete button;
        button = nullptr;
    }
}

int CAlertBox::GetFocusedButton() const
{
    for (int number = 1; number <= 3; ++number)
        if (GetButton(number) != nullptr && GetFocusView() == GetButton(number))
            return number;
    return 0;
}

void CAlertBox::FocusButton(int number)
{
    if (number != 0)
        SetFocusView(GetButton(number));
}

bool CAlertBox::HandleKey(const CKeyEvent& event)
{
    if (event.GetKind() == kKeyUp)
        return CModalDialog::HandleKey(event);
    if (event.GetKeyCode() == kKeyArrowLeft) {
        FocusButton(GetAlertButtonLeftOf(GetFocusedButton(), mLabelCount));
        return true;
    }
    if (event.GetKeyCode() == kKeyArrowRight) {
        FocusButton(GetAlertButtonRightOf(GetFocusedButton(), mLabelCount));
        return true;
    }
    return false;
}

std::int32_t CAlertBox::RootViewChanged()
{
    for (int number = 1; number <= 3; ++number) {
        CPushButtonView* const button = GetButton(number);
        if (button != nullptr && button->ConsumePushed()) {
            *mResult = kFirstAlertButton + static_cast<std::uint32_t>(number - 1);
            CloseIfAllowed();
        }
    }
    return 0;
}

void CAlertBox::DoDefaultAction()
{
    SimulateButtonClick(GetButton(1));
}

std::uint32_t ShowAlertBox(const std::string& script, const std::vector<std::string>& parameters)
{
    std::uint32_t result = kNoAlertButton;
    auto* box = new CAlertBox(script, parameters, &result);
    try {
        box->ReapplyBounds();
    } catch (...) {
        box->CloseNow();
        throw;
    }
    CModalDialog::RunModal(box);
    return result;
}

} // namespace NSTramvell
