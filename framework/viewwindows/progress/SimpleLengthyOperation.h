#pragma once

// The framework's own progress window, laid out by its dialog template 10000: a message, a progress bar, a
// counter and a Stop button; and the lengthy operation that puts it up. The older, idle-driven operation
// shows the same window.

#include "framework/gui/progress/LengthyOperation.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

class CPushButtonView;
class CStaticTextView;
class CProgressBarView;

class CSimpleLengthyOperationWindow : public CABCLengthyOperationWindow
{
public:
    static constexpr std::uint16_t kTemplateId = 10000;
    static constexpr std::uint32_t kStyle = 0x80C00000;   // a captioned pop-up
    static constexpr std::uint16_t kStopItem = 1;
    static constexpr std::uint16_t kMessageItem = 2;
    static constexpr std::uint16_t kBarItem = 3;
    static constexpr std::uint16_t kCounterItem = 4;

    // Made and shown centred, owned as a modal dialog is: by the given window, else by the active framework
    // window or the frame window. XOutOfMemory when the platform refuses the window.
    CSimpleLengthyOperationWindow(const std::string& title, HWND owner);
    ~CSimpleLengthyOperationWindow() override;

    // The info must be a CSimpleProgressInfo (else std::bad_cast): its message, stop title, count and
    // value (the low 16 bits, 0 to 1000) go to the window's items.
    void UpdateFromInfo(const CABCProgressInfo& info) override;
    // A push of Stop asks the work to stop.
    std::int32_t RootViewChanged() override;
    void RootFrameChanged(const CRect&, const CRect&) override {}

    const CSimpleProgressInfo& GetInfo() const { return mInfo; }
    CPushButtonView& GetStopButton() const { return *mStopButton; }
    CProgressBarView& GetProgressBar() const { return *mBar; }
    std::string GetMessageText() const;
    std::string GetCounterText() const;

protected:
    // Shown with its top-left corner at the given point instead of centred.
    CSimpleLengthyOperationWindow(const std::string& title, HWND owner, const CPoint& topLeft);

private:
    void Build(const std::string& title, HWND owner, const CPoint* topLeft);

    CSimpleProgressInfo mInfo;
    std::unique_ptr<CPushButtonView> mStopButton;
    std::unique_ptr<CStaticTextView> mMessage;
    std::unique_ptr<CProgressBarView> mBar;
    std::unique_ptr<CStaticTextView> mCounter;
};

class CSimpleLengthyOperation : public CLengthyOperation
{
public:
    // The owner (may be null) and the title go to the window once it is wanted.
    CSimpleLengthyOperation(HWND owner, std::string title);

    CABCLengthyOperationWindow* CreateProgressWindow(const CABCProgressInfo& info) override;
    CSimpleLengthyOperationWindow* GetSimpleWindow() const
    {
        return static_cast<CSimpleLengthyOperationWindow*>(GetProgressWindow());
    }

private:
    HWND mOwner;
    std::string mTitle;
};

} // namespace NSTramvell
