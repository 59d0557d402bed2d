#pragma once

// Test windows: a native window of a plain class whose procedure leaves everything to the platform, bound
// to a framework window that counts itself; and leaf views that count themselves and record what reaches
// them.

#include "framework/gui/views/GroupView.h"
#include "framework/gui/windows/Window.h"

#include <string>
#include <vector>

namespace NSGuiTest {

class CTestWindow : public NSTramvell::CABCWindow
{
public:
    // A sizable, captioned top-level window, not shown.
    explicit CTestWindow(std::int32_t kind = kKindDocument, bool sizing = true);
    ~CTestWindow() override;

    void RootFrameChanged(const NSTramvell::CRect& oldFrame, const NSTramvell::CRect& newFrame) override;
    std::int32_t GetFrameBorderWidth() const override;
    std::int32_t GetFrameBorderHeight() const override;
    void Dispose() override;

    static int sLiving;             // windows built and not yet deleted
    static int sNativeDestroyed;    // native windows the platform destroyed (counted at the table)
    int mRootFrameChanges = 0;
    bool mSizing;
};

// Counts DestroyWindow calls for its lifetime; the windows are still destroyed.
class CCountedNativeDestruction
{
public:
    CCountedNativeDestruction();
    ~CCountedNativeDestruction();
};

class CTestView : public NSTramvell::CView
{
public:
    CTestView(NSTramvell::CABCGroupView* parent, const NSTramvell::CRect& frame, std::string name = "",
              std::vector<std::string>* log = nullptr, bool handlesPress = true);
    ~CTestView() override;

    void EnabledChanged(bool enabled) override;
    void FrameChanged(const NSTramvell::CRect& oldFrame, const NSTramvell::CRect& newFrame) override;
    NSTramvell::CMouseDownResult HandleMouseDown(const NSTramvell::CMouseEvent& event) override;
    void HandleMouseUp(std::int32_t cause) override;

    static int sLiving;
    std::string mName;
    std::vector<std::string>* mLog;   // borrowed from the test; may be null
    bool mHandlesPress;
    std::vector<bool> mEnabledChanges;
    std::vector<NSTramvell::CMouseEvent> mPresses;
    std::vector<std::int32_t> mMouseUps;
};

} // namespace NSGuiTest
