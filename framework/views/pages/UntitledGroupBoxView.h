#pragma once

// CUntitledGroupBoxView, a group framed by the platform's three-dimensional edge and no title. Built with
// a frame, its top comes down by half a line of the control font, so that the edge runs through the middle
// of a text line above it.

#include "framework/gui/views/GroupView.h"

#include <cstdint>

namespace NSTramvell {

class CDialogTemplate;

class CUntitledGroupBoxView : public CStandardGroupView
{
public:
    // The style that selects the etched edge; any other draws a thin sunken one.
    static constexpr std::int32_t kEtchedStyle = 14;

    CUntitledGroupBoxView(CABCGroupView* parent, std::int32_t edgeStyle);
    CUntitledGroupBoxView(CABCGroupView* parent, const CRect& frame, std::int32_t edgeStyle);

    // The item's frame unchanged; XNotFound for a missing item.
    static CRect FrameFromTemplate(const CDialogTemplate& dialogTemplate, std::uint16_t itemId);

    void EnabledChanged(bool) override { Invalidate(); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    // The frame less the 2-pixel edge.
    CRect GetContentRect() const override;
    void DrawBackground(CABCViewDrawSpec& drawSpec) override;

private:
    std::int32_t mEdgeStyle;
};

} // namespace NSTramvell
