#pragma once

// CIconView shows a system or shell icon, drawn by the framework at the view's frame. It claims no opaque
// area (icons give no shape), so whatever lies behind it is drawn first. The view holds a counted
// reference into the icon cache and releases it when it goes.

#include "framework/gui/images/IconCache.h"
#include "framework/gui/views/View.h"

#include <cstdint>

namespace NSTramvell {

class CDialogTemplate;
class CDirSpec;
class CFileSpec;

class CIconView : public CView
{
public:
    // What a dialog item gives for an icon; the dialog chooses the icon.
    struct CDescription
    {
        CRect mFrame;
        CIconRef mIcon;
    };

    // The note icon.
    CIconView(CABCGroupView* parent, const CRect& frame);
    CIconView(CABCGroupView* parent, const CIconRef& icon, const CRect& frame);
    CIconView(CABCGroupView* parent, const CDescription& description);

    // The item's rectangle unchanged; XNotFound for a missing item.
    static CDescription MakeDescription(const CDialogTemplate& dialogTemplate, std::uint16_t itemId,
                                        const CIconRef& icon);

    void EnabledChanged(bool enabled) override;
    void Draw(CABCViewDrawSpec& drawSpec) override;
    CRegion GetDrawRegion() const override { return mIcon.GetRegion(); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;

    void SetIcon(const CIconRef& icon);
    void SetIcon(std::uint32_t stockKind);
    void SetIcon(const CFileSpec& file);
    void SetIcon(const CDirSpec& folder);
    // Selects the highlighted variant; invalidates only on a change.
    void SetIconState(bool highlighted);
    bool GetIconState() const { return mHighlighted; }
    // Whether the point lies in the icon's shape placed at the frame.
    bool IconContains(const CPoint& point) const;

private:
    CIconRef mIcon;
    bool mOpen = false;          // no operation of this view changes it
    bool mHighlighted = false;
};

} // namespace NSTramvell
