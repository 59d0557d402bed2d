#include "framework/views/scrolling/ScrollView2.h"

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/images/Bitmap.h"
#include "framework/gui/images/OffscreenCanvas.h"
#include "framework/gui/windows/DrawSpecs.h"

namespace NSTramvell {

CScrollView2::CScrollView2(CABCGroupView* parent)
    : CStandardGroupView(parent, CRect())
    , mState(CRect(-10000, -10000, -9900, -9900), 0, 0, 100, 100)
    , mBackground(GetSystemFaceColor())
{
}

CScrollView2::~CScrollView2()
{
    DropOffscreen();
}

void CScrollView2::DropOffscreen() noexcept
{
    mCanvas.reset();
    mBitmap.reset();
}

void CScrollView2::BuildOffscreen()
{
    DropOffscreen();
    try {
        const CRect& frame = *GetFrame();
        mBitmap = CreateBitmapOfDepth(frame.GetWidth(), frame.GetHeight(), *mPalette);
        mCanvas = std::make_unique<COffscreenCanvas>(*mBitmap);
        mDirty = CRegion(frame);
    } catch (...) {
        // Without a bitmap the view still draws, straight into the window.
        DropOffscreen();
    }
}

void CScrollView2::PrepareOffscreen(const CScreenPalette& palette)
{
    if (mPrepared)
        return;
    mPrepared = true;
    mPalette = &palette;
    BuildOffscreen();
}

void CScrollView2::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateOldAndNew(oldFrame, newFrame);
    if (mBitmap == nullptr)
        return;
    BuildOffscreen();
    Invalidate();
}

CRect CScrollView2::GetContentRect() const
{
    const CRect& frame = *GetFrame();
    return CRect(frame.GetLeft() - mState.GetX(), frame.GetTop() - mState.GetY(), frame.GetRight(), frame.GetBottom());
}

CRect CScrollView2::GetContentFrame() const
{
    const CRect& frame = *GetFrame();
    const std::int32_t left = frame.GetLeft() - mState.GetX();
    const std::int32_t top = frame.GetTop() - mState.GetY();
    return CRect(left, top, left + mState.GetWidth(), top + mState.GetHeight());
}

bool CScrollView2::HandleInvalidate(const CRegion& region)
{
    if (mBitmap != nullptr)
        mDirty.Unite(region);
    return false;
}

void CScrollView2::MoveChildren(std::int32_t dx, std::int32_t dy)
{
    for (std::uint32_t index = 0; index < GetChildCount(); ++index)
        GetChild(index)->MoveBy(dx, dy);
}

void CScrollView2::SetScrollState(const CScrollState& state)
{
    if (state == mState)
        return;
    const std::int32_t dx = state.GetX() - mState.GetX();
    const std::int32_t dy = state.GetY() - mState.GetY();
    if (!(state.GetFrame() == *GetFrame()))
        SetFrame(state.GetFrame());
    if (dx != 0 || dy != 0)
        MoveChildren(-dx, -dy);
    const CRect& frame = *GetFrame();
    if (mBitmap != nullptr) {
        // What stays in view moves with the content; only the strip it uncovers is drawn again.
        mBitmap->Draw(*mCanvas, -dx, -dy, 0, 0, frame.GetWidth(), frame.GetHeight());
        mDirty.Offset(-dx, -dy);
        CRect kept = frame;
        kept.Offset(-dx, -dy);
        CRegion uncovered(frame);
        uncovered.SubtractRect(kept);
        mDirty.Unite(uncovered);
    } else {
        mDirty = CRegion(frame);
    }
    Invalidate();
    mState = state;
}

void CScrollView2::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CRect& frame = *GetFrame();
    if (mBitmap == nullptr) {
        const CClipGuard clip(canvas, frame);
        canvas->FillRect(frame, mBackground);
        CABCGroupView::Draw(drawSpec);
        return;
    }
    CRegion redraw = mDirty;
    redraw.IntersectRect(frame);
    if (!redraw.IsEmpty()) {
        mCanvas->SetOrigin(frame.GetTopLeft());
        mCanvas->SetClipRegion(redraw);
        mCanvas->FillRect(frame, mBackground);
        CPrimitiveOffscreenDrawSpec offscreen(mCanvas.get());
        CABCGroupView::Draw(offscreen);
        mCanvas->SetOrigin(CPoint(0, 0));
        mCanvas->SetClipRegion(CRegion(CRect(0, 0, frame.GetWidth(), frame.GetHeight())));
        mDirty.MakeEmpty();
    }
    mBitmap->Draw(*canvas, frame.GetLeft(), frame.GetTop(), 0, 0, frame.GetWidth(), frame.GetHeight());
}

} // namespace NSTramvell
