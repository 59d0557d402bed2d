#pragma once

// The two questions the conversion asks in a dialog of its own: what to do about an item that could not
// be converted (ignore it, ignore every further error, or abort), and whether to convert another disc.
// Both are laid out from the program's dialog templates and run modally; Windows builds only.

#include "framework/gui/dialogs/ModalDialog.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {
class CDialogTemplate;
class CIconView;
class CPushButtonView;
class CStaticTextView;
} // namespace NSTramvell

namespace NSConversionErrorDialog {

constexpr std::uint16_t kConversionErrorTemplate = 135;
constexpr std::uint16_t kConvertAnotherTemplate = 136;

constexpr std::uint32_t kIgnore = 513;
constexpr std::uint32_t kIgnoreAllErrors = 514;
constexpr std::uint32_t kAbort = 515;

class CConversionErrorDialog final : public NSTramvell::CModalDialog
{
public:
    // The error text stands first in the message, the question below it. Closing the dialog any other way
    // than by a button counts as "Ignore".
    static std::uint32_t Run(const std::string& errorText);

    CConversionErrorDialog(const std::string& errorText, std::uint32_t& result);
    ~CConversionErrorDialog() override;

    std::int32_t RootViewChanged() override;
    void DoDefaultAction() override;
    void DoCancelAction() override;

    // The message as shown, the error text put in.
    std::string GetMessage() const;
    NSTramvell::CRect GetIconFrame() const;

private:
    CConversionErrorDialog(const NSTramvell::CDialogTemplate& layout, const std::string& errorText,
                           std::uint32_t& result);

    std::unique_ptr<NSTramvell::CPushButtonView> mIgnoreButton;
    std::unique_ptr<NSTramvell::CPushButtonView> mIgnoreAllButton;
    std::unique_ptr<NSTramvell::CPushButtonView> mAbortButton;
    std::unique_ptr<NSTramvell::CIconView> mIconView;
    std::unique_ptr<NSTramvell::CStaticTextView> mTextView;
    std::uint32_t& mResult;
};

class CConvertAnotherDialog final : public NSTramvell::CModalDialog
{
public:
    // True for "Convert Another"; closing the dialog without a button counts as that too.
    static bool Run();

    explicit CConvertAnotherDialog(bool& convertAnother);
    ~CConvertAnotherDialog() override;

    std::int32_t RootViewChanged() override;
    void DoDefaultAction() override;
    void DoCancelAction() override;

private:
    CConvertAnotherDialog(const NSTramvell::CDialogTemplate& layout, bool& convertAnother);

    std::unique_ptr<NSTramvell::CPushButtonView> mConvertButton;
    std::unique_ptr<NSTramvell::CPushButtonView> mQuitButton;
    std::unique_ptr<NSTramvell::CIconView> mIconView;
    std::unique_ptr<NSTramvell::CStaticTextView> mTextView;
    bool& mConvertAnother;
};

} // namespace NSConversionErrorDialog
