#pragma once

// The low-memory dialog: a modeless window that tells the user memory ran short and offers to try again.
// It is built from a reserve of memory that it holds released while it is shown; closing it takes the
// reserve back, and when that fails the application is short of memory again and the idle handler shows
// the dialog anew. At most one exists; the texts are read at start-up, while memory is still there.

#include "framework/gui/dialogs/ModalDialog.h"

#include <memory>
#include <string>

namespace NSTramvell {

class CIconView;
class CMemoryReserveRelease;
class CPushButtonView;
class CStaticTextView;

class CLowMemoryDialog : public CModelessDialog
{
public:
    static constexpr std::int32_t kDialogStyle = 1;
    static constexpr std::int32_t kClientWidth = 400;
    static constexpr std::int32_t kClientHeight = 270;

    // Holds the reserve released until the dialog goes.
    CLowMemoryDialog(const CRect& outerBounds, std::unique_ptr<CMemoryReserveRelease> heldReserve);
    ~CLowMemoryDialog() override;

    void RootFrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    // The button's push closes the dialog.
    std::int32_t RootViewChanged() override;
    // Return and keypad Enter press the button; Escape does nothing.
    bool HandleBuiltInKey(const CKeyEvent& event) override;
    void ReleaseViews();

    CPushButtonView* GetButton() const { return mButton; }
    CStaticTextView* GetMessageView() const { return mMessageView; }
    CStaticTextView* GetDetailView() const { return mDetailView; }
    CIconView* GetIconView() const { return mIconView; }

private:
    void BuildViews();
    void LayOut(const CRect& client);

    CIconView* mIconView = nullptr;   // the root view's children, deleted by ReleaseViews
    CStaticTextView* mMessageView = nullptr;
    CStaticTextView* mDetailView = nullptr;
    CPushButtonView* mButton = nullptr;
    std::unique_ptr<CMemoryReserveRelease> mHeldReserve;
};

// Closes the dialog when one is shown.
void CloseLowMemoryDialog();
bool IsLowMemoryDialogShown();
CLowMemoryDialog* GetLowMemoryDialog();

} // namespace NSTramvell
