#pragma once

// CAlertBox, the modal box behind every alert: built from the framework's alert template (10005) and an
// alert script, it shows the kind's icon, the message and one to three push buttons, and writes the chosen
// button's answer (33, 34, 35) into the caller's result word. Escape and the window's own close requests
// do not choose a button; only a close from outside ends the box with the word untouched.

#include "framework/gui/dialogs/AlertScript.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/dialogs/ModalDialog.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace NSTramvell {

class CIconView;
class CPushButtonView;
class CStaticTextView;

class CAlertBox : public CModalDialog
{
public:
    static constexpr std::uint16_t kTemplateId = 10005;

    // The box with its views, centred over the frame window, not yet shown. An exception while the views
    // are made releases them and the window and passes on.
    CAlertBox(const std::string& script, const std::vector<std::string>& parameters, std::uint32_t* result);
    ~CAlertBox() override;

    static CAlertScript ParseScript(const std::string& script, const std::vector<std::string>& parameters);

    // Arrow left and right move the focus among the buttons.
    bool HandleKey(const CKeyEvent& event) override;
    // A pushed button answers and closes the box.
    std::int32_t RootViewChanged() override;
    void DoDefaultAction() override;
    void DoCancelAction() override {}
    void ReleaseViews();

    // Button 1 to 3; null for a button the script has no label for.
    CPushButtonView* GetButton(int number) const { return mButtons[number - 1]; }
    CStaticTextView* GetMessageView() const { return mMessageView; }
    CIconView* GetIconView() const { return mIconView; }

private:
    CAlertBox(CDialogTemplate dialogTemplate, const std::string& script, const std::vector<std::string>& parameters,
              std::uint32_t* result);
    void BuildViews();
    int GetFocusedButton() const;
    void FocusButton(int number);

    CDialogTemplate mTemplate;
    std::string mScript;
    std::vector<std::string> mParameters;
    std::uint16_t mLabelCount = 0;
    std::array<CPushButtonView*, 3> mButtons{};   // the root view's children, deleted by ReleaseViews
    CStaticTextView* mMessageView = nullptr;
    CIconView* mIconView = nullptr;
    std::uint32_t* mResult;   // borrowed: the caller's word outlives the box
};

} // namespace NSTramvell
