#pragma once

// The root view of every window: it covers the client area, takes every invalidation that climbs to it
// for its window, tells the window when one of its views changed, and, for resizable windows, keeps the
// size box in the bottom right corner.

#include "framework/gui/views/GroupView.h"

namespace NSTramvell {

class CWindowSizeBoxView;

class CWindowRootGroupView : public CSolidColorGroupView
{
public:
    static constexpr std::int32_t kSizeBoxSide = 16;

    explicit CWindowRootGroupView(CABCWindow* window);
    ~CWindowRootGroupView() override;

    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    std::int32_t ChildChanged() override;
    void DeleteAllChildren() override;
    bool HandleInvalidate(const CRegion& region) override;
    // The window's background colour.
    CColor GetBackgroundColor() const override;

    void AddSizeBox();
    void RemoveSizeBox();
    CWindowSizeBoxView* GetSizeBox() const { return mSizeBox; }
    // Puts the size box in the corner, or just outside the view when the window is not in normal state.
    void PlaceSizeBox();

private:
    CWindowSizeBoxView* mSizeBox = nullptr;   // owned
};

// The 16 x 16 grip that hands a press to the platform's resizing.
class CWindowSizeBoxView : public CView
{
public:
    static constexpr std::int32_t kSizeCursor = 32642;

    explicit CWindowSizeBoxView(CABCGroupView* parent);

    void EnabledChanged(bool) override {}
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    CMouseDownResult HandleMouseDown(const CMouseEvent& event) override;
    void Draw(CABCViewDrawSpec& drawSpec) override;
    void AdjustCursor() override;

    // Neither maximised nor minimised; false when the platform cannot tell.
    bool IsWindowNormal() const;
};

} // namespace NSTramvell
