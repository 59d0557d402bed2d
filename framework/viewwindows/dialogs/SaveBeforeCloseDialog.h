#pragma once

// The framework's "save changes before close?" question: a modal dialog from template 10003 with Yes, No
// and Cancel, answering 35, 33 and 34, or 36 when it ends without a button. Y, N and C (and Escape for
// Cancel) press the buttons as clicks would; the arrows move the focus along Yes, No, Cancel.

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/dialogs/ModalDialog.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CIconView;
class CPushButtonView;
class CStaticTextView;

class CSaveBeforeCloseDialogClass : public CModalDialog
{
public:
    static constexpr std::uint16_t kTemplateId = 10003;
    static constexpr std::uint32_t kAnswerYes = 35;
    static constexpr std::uint32_t kAnswerNo = 33;
    static constexpr std::uint32_t kAnswerCancel = 34;
    static constexpr std::uint32_t kNoAnswer = 36;

    // Asks whether the document of the name is to be saved; runs modally.
    static std::uint32_t Run(const std::string& documentName);

    CSaveBeforeCloseDialogClass(const std::string& documentName, std::uint32_t* result);
    ~CSaveBeforeCloseDialogClass() override;

    bool HandleKey(const CKeyEvent& event) override;
    std::int32_t RootViewChanged() override;
    void DoDefaultAction() override;
    void DoCancelAction() override;

    CPushButtonView* GetYesButton() const { return mYes; }
    CPushButtonView* GetNoButton() const { return mNo; }
    CPushButtonView* GetCancelButton() const { return mCancel; }
    CStaticTextView* GetQuestionView() const { return mQuestion; }

private:
    CSaveBeforeCloseDialogClass(CDialogTemplate dialogTemplate, const std::string& documentName,
                                std::uint32_t* result);
    void BuildViews(const CDialogTemplate& dialogTemplate);
    void ReleaseViews();
    void MoveFocus(int step);

    std::string mDocumentName;
    std::uint32_t* mResult;   // borrowed: the caller's word outlives the dialog
    CPushButtonView* mYes = nullptr;   // the root view's children, deleted by ReleaseViews
    CPushButtonView* mNo = nullptr;
    CPushButtonView* mCancel = nullptr;
    CStaticTextView* mQuestion = nullptr;
    CIconView* mIcon = nullptr;
};

} // namespace NSTramvell
