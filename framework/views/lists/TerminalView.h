#pragma once

// CTerminalView shows the newest lines of a string list bottom-up in the system font, like a terminal,
// scrolled by whole lines, and writes the lines out as text. It borrows its list, which must outlive it.

#include "framework/gui/input/InputInterfaces.h"
#include "framework/gui/views/View.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CMedia;
class IStringList;

class CTerminalView : public CView, public IKeyboardInput
{
public:
    CTerminalView(CABCGroupView* parent, IStringList& list);

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    // A taller frame may show lines the scroll had passed: the scroll comes down to the new maximum.
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    bool HandleKey(const CKeyEvent&) override { return false; }

    void AddLine(const std::string& text);
    void Clear();
    std::int32_t GetLineCount() const;
    IStringList& GetList() const { return mList; }
    std::int32_t GetScroll() const { return mScroll; }
    // Stored as it is given; drawing keeps within 0 .. GetMaxScroll.
    void SetScroll(std::int32_t scroll);
    std::int32_t GetVisibleLineCount() const;
    std::int32_t GetMaxScroll() const;
    void ClampScroll();
    // Visible lines per thousand lines.
    std::int32_t GetVisibleProportion() const;
    void WriteLines(CMedia& media) const;

private:
    // The system font's line height, as a canvas of the window reports it.
    std::int32_t GetLineHeight() const;

    IStringList& mList;   // borrowed: the list outlives the view
    std::int32_t mScroll = 0;
};

} // namespace NSTramvell
