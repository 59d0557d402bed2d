#include "framework/gui/windows/DrawSpecs.h"

#include "framework/foundation/trace/Trace.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/images/OffscreenCanvas.h"
#include "framework/gui/windows/WindowCanvas.h"

namespace NSTramvell {

namespace {

bool Meets(const CRegion& region, const CRect& shape) { return region.IntersectsRect(shape); }
bool Meets(const CRegion& region, const CRegion& shape) { return region.IntersectsRegion(shape); }
void Narrow(CRegion& region, const CRect& shape) { region.IntersectRect(shape); }
void Narrow(CRegion& region, const CRegion& shape) { region.IntersectRegion(shape); }

// The clip ∩ shape; nothing, and empty set, when they do not meet.
template <typename TShape>
CRegion NarrowedClip(const CRegion& clip, const TShape& shape, bool& empty)
{
    empty = !Meets(clip, shape);
    if (empty)
        return CRegion();
    CRegion narrowed = clip;
    Narrow(narrowed, shape);
    return narrowed;
}

} // namespace

COffscreenDrawSpec::COffscreenDrawSpec(CABCCanvas& target, COSBitmap& bitmap, const CRect& area)
    : mBitmap(bitmap), mCanvas(std::make_unique<COffscreenCanvas>(bitmap))
{
    CRegion clip = target.GetClipRegion();
    clip.IntersectRect(area);
    mCanvas->SetOrigin(area.GetTopLeft());
    mCanvas->SetClipRegion(clip);
}

COffscreenDrawSpec::~COffscreenDrawSpec() = default;

CABCCanvas* COffscreenDrawSpec::GetCanvas() { return mCanvas.get(); }

bool ClipRegionIntersects(CViewDrawSpec& drawSpec, const CRect& rect)
{
    return drawSpec.GetCanvas()->GetClipRegion().IntersectsRect(rect);
}

CRegion GetClipRegion(CViewDrawSpec& drawSpec) { return drawSpec.GetCanvas()->GetClipRegion(); }

CRect GetClipBounds(CViewDrawSpec& drawSpec) { return GetClipRegion(drawSpec).GetBounds(); }

CReadOnlyViewDrawSpec::CReadOnlyViewDrawSpec(const CView& view)
    : mCanvas(std::make_unique<CWindowReadOnlyCanvas>(view.GetWindow()))
{
}

CReadOnlyViewDrawSpec::~CReadOnlyViewDrawSpec() = default;

CABCCanvas* CReadOnlyViewDrawSpec::GetCanvas() const { return mCanvas.get(); }

CClipGuard::CClipGuard(CABCCanvas* canvas, const CRect& shape)
    : mCanvas(canvas)
    , mSaved(canvas->GetClipRegion())
{
    mCanvas->SetClipRegion(NarrowedClip(mSaved, shape, mEmpty));
}

CClipGuard::CClipGuard(CABCCanvas* canvas, const CRegion& shape)
    : mCanvas(canvas)
    , mSaved(canvas->GetClipRegion())
{
    mCanvas->SetClipRegion(NarrowedClip(mSaved, shape, mEmpty));
}

CClipGuard::~CClipGuard()
{
    try {
        mCanvas->SetClipRegion(mSaved);
    } catch (const std::exception& e) {
        // A destructor cannot pass it on: the narrower clip stays, and the next paint sets its own.
        Trace(0, 0, "Clip not restored: %s", e.what());
    }
}

} // namespace NSTramvell
