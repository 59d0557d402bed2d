#pragma once

// CPictureButtonView, a push button that shows a picture instead of a title: a native icon button whose
// image list holds the icon of the key's resource id while the button is enabled and the icon of that id
// plus 10 while it is disabled. A push (a click, Space while the button holds the focus) reaches its
// IPictureButtonPushListener, but only while the button is enabled and shown in its window. The view owns
// its CPictureButtonViewImplementation, which owns the native button, its link, both image lists and both
// icons.

#include "framework/gui/images/BitmapKey.h"
#include "framework/gui/views/View.h"

#include <cstdint>
#include <memory>

struct _IMAGELIST;
typedef struct _IMAGELIST* HIMAGELIST;

namespace NSTramvell {
class CABCGroupView;
class CDialogTemplate;
} // namespace NSTramvell

class CPictureButtonView;
class CPictureButtonViewImplementation;

class IPictureButtonPushListener
{
public:
    virtual ~IPictureButtonPushListener() = default;
    virtual void PictureButtonPushed(CPictureButtonView* button) = 0;
};

class CPictureButtonView : public NSTramvell::CView, public NSTramvell::INativeView, public NSTramvell::IFocusTarget
{
public:
    // The disabled picture's icon is the enabled one's resource id plus this.
    static constexpr std::uint16_t kDisabledIconOffset = 10;

    // What a dialog item gives for a picture button: its rectangle, and the key whose resource id names
    // the enabled picture's icon.
    struct CDescription
    {
        NSTramvell::CRect mFrame;
        NSTramvell::CBitmapKey mBitmapKey;
    };

    // XNotFound when the template has no item of the id; the item's text is not used.
    static CDescription MakeDescription(const NSTramvell::CDialogTemplate& layout, std::uint16_t itemId,
                                        const NSTramvell::CBitmapKey& key);

    // XBase when an icon is missing or the platform refuses an image list; nothing is left behind then.
    // The listener is borrowed and may be null.
    CPictureButtonView(NSTramvell::CABCGroupView* parent, const CDescription& description,
                       IPictureButtonPushListener* listener);
    CPictureButtonView(NSTramvell::CABCGroupView* parent, const NSTramvell::CRect& frame,
                       const NSTramvell::CBitmapKey& key, IPictureButtonPushListener* listener);
    ~CPictureButtonView() override;

    void EnabledChanged(bool enabled) override;
    // The native button paints itself.
    void Draw(NSTramvell::CABCViewDrawSpec&) override {}
    void FrameChanged(const NSTramvell::CRect& oldFrame, const NSTramvell::CRect& newFrame) override;
    void MoveBy(std::int32_t dx, std::int32_t dy) override;
    NSTramvell::CMouseDownResult HandleMouseDown(const NSTramvell::CMouseEvent& event) override;
    HWND GetNativeHandle() const override;

    // The image list the button shows while enabled, or while disabled.
    HIMAGELIST GetImageList(bool enabled) const;
    // The frame shrunk by 2 pixels on every side.
    NSTramvell::CRegion GetInnerRegion() const;

private:
    std::unique_ptr<CPictureButtonViewImplementation> mImplementation;
};
