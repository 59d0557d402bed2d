#pragma once

// An etched line, vertical (kind 10) or horizontal (kind 11), across a frame two pixels thick.

#include "framework/gui/views/View.h"

#include <cstdint>

namespace NSTramvell {

class CDialogTemplate;

class CSeparatorLineView : public CView
{
public:
    static constexpr std::int32_t kVertical = 10;
    static constexpr std::int32_t kHorizontal = 11;

    struct CDescription
    {
        CRect frame;
        std::int32_t kind;
    };

    CSeparatorLineView(CABCGroupView* parent, std::int32_t kind, const CRect& frame);
    // The kind from the frame's shape.
    CSeparatorLineView(CABCGroupView* parent, const CRect& frame);
    CSeparatorLineView(CABCGroupView* parent, const CDescription& description);

    // 10 for a rectangle taller than wide, else 11.
    static std::int32_t GetLineKind(const CRect& rect) { return rect.IsVertical() ? kVertical : kHorizontal; }
    // The rectangle cut to 2 pixels across the line its shape gives, with that kind.
    static CDescription MakeLineDescription(const CRect& layout);
    // The template item's rectangle cut to 2 pixels across as above, with the given kind; XNotFound when
    // the template has no item with the id.
    static CDescription MakeDescription(const CDialogTemplate& layout, std::uint16_t itemId, std::int32_t kind);

    void EnabledChanged(bool) override { Invalidate(); }
    void Draw(CABCViewDrawSpec& drawSpec) override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override { InvalidateOldAndNew(oldFrame, newFrame); }
    std::int32_t GetKind() const { return mKind; }

private:
    std::int32_t mKind;
};

} // namespace NSTramvell
