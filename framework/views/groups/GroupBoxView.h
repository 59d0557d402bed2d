#pragma once

// A group with a title set into a thin sunken (or, for kind 14, etched) frame; its children sit inside the
// frame below the title.

#include "framework/gui/views/GroupView.h"

#include <cstdint>
#include <string>
#include <utility>

namespace NSTramvell {

class CDialogItem;
class CDialogTemplate;

class CGroupBoxView : public CStandardGroupView
{
public:
    static constexpr std::int32_t kEtchedKind = 14;

    class CDescription
    {
    public:
        CDescription(std::string title, std::int32_t kind, const CRect& frame)
            : mTitle(std::move(title)), mFrame(frame), mKind(kind)
        {
        }
        const std::string& GetTitle() const { return mTitle; }
        void SetTitle(const std::string& title) { mTitle = title; }
        const CRect& GetFrame() const { return mFrame; }
        std::int32_t GetKind() const { return mKind; }

    private:
        std::string mTitle;
        CRect mFrame;
        std::int32_t mKind;
    };

    CGroupBoxView(CABCGroupView* parent, const std::string& title, std::int32_t kind, const CRect& frame);
    CGroupBoxView(CABCGroupView* parent, const CDescription& description);
    // The item's text as title and its rectangle as frame.
    CGroupBoxView(CABCGroupView* parent, const CDialogItem& item, std::int32_t kind);

    // From the template's item with the id; XNotFound when it has none.
    static CDescription MakeDescription(const CDialogTemplate& layout, std::uint16_t itemId, std::int32_t kind);

    void EnabledChanged(bool) override { InvalidateFrameRect(*GetFrame()); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override { InvalidateOldAndNew(oldFrame, newFrame); }
    // Inside the edge and below the title, measured in the control font.
    CRect GetContentRect() const override;
    void DrawBackground(CABCViewDrawSpec& drawSpec) override;

    void SetTitle(const std::string& title);
    const std::string& GetTitle() const { return mTitle; }
    void GetDescription(CDescription& description) const { description.SetTitle(mTitle); }
    std::int32_t GetKind() const { return mKind; }

private:
    std::int32_t mKind;
    std::string mTitle;
};

} // namespace NSTramvell
