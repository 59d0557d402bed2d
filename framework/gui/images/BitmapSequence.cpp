#include "framework/gui/images/BitmapSequence.h"

#include <stdexcept>

namespace NSTramvell {
namespace {

void SetFrame(CRect& frame, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    frame.Set(left, top, left + width, top + height);
}

} // namespace

CABCBitmapSequence::CABCBitmapSequence(const CBitmapKey& key, std::uint16_t frameCount,
                                       std::uint16_t minimumFrames)
    : mFrameCount(frameCount), mKey(key)
{
    if (frameCount < minimumFrames)
        throw std::invalid_argument("too few frames for a bitmap sequence");
}

CABCBitmapSequence::~CABCBitmapSequence() = default;

CBitmapSequence::CBitmapSequence(const CBitmapKey& key, std::uint16_t frameCount)
    : CABCBitmapSequence(key, frameCount, 1)
{
}

CPoint CBitmapSequence::GetFrameSizeIn(std::int32_t bitmapWidth, std::int32_t bitmapHeight) const
{
    return CPoint((bitmapWidth + 1) / GetFrameCount() - 1, bitmapHeight);
}

void CBitmapSequence::GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                                   std::uint16_t index) const
{
    const std::int32_t frameWidth = GetFrameSizeIn(bitmapWidth, bitmapHeight).GetX();
    SetFrame(frame, (frameWidth + 1) * index, 0, frameWidth, bitmapHeight);
}

CVerticalBitmapSequence::CVerticalBitmapSequence(const CBitmapKey& key, std::uint16_t frameCount)
    : CABCBitmapSequence(key, frameCount, 1)
{
}

CPoint CVerticalBitmapSequence::GetFrameSizeIn(std::int32_t bitmapWidth, std::int32_t bitmapHeight) const
{
    return CPoint(bitmapWidth, (bitmapHeight + 1) / GetFrameCount() - 1);
}

void CVerticalBitmapSequence::GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                                           std::uint16_t index) const
{
    const std::int32_t frameHeight = GetFrameSizeIn(bitmapWidth, bitmapHeight).GetY();
    SetFrame(frame, 0, (frameHeight + 1) * index, bitmapWidth, frameHeight);
}

CFilmStrip::CFilmStrip(const CBitmapKey& key, std::uint16_t frameCount, std::int32_t left, std::int32_t top,
                       std::int32_t frameWidth, std::int32_t frameHeight)
    : CABCBitmapSequence(key, frameCount, 1),
      mLeft(left),
      mTop(top),
      mFrameWidth(frameWidth),
      mFrameHeight(frameHeight)
{
}

CPoint CFilmStrip::GetFrameSizeIn(std::int32_t, std::int32_t) const { return CPoint(mFrameWidth, mFrameHeight); }

void CFilmStrip::GetFrameRect(CRect& frame, std::int32_t, std::int32_t, std::uint16_t index) const
{
    constexpr std::int32_t kGap = 16;
    SetFrame(frame, mLeft, mTop + (mFrameHeight + kGap) * index, mFrameWidth, mFrameHeight);
}

CVerticalFilmStrip::CVerticalFilmStrip(const CBitmapKey& key, std::uint16_t frameCount, std::int32_t frameHeight)
    : CABCBitmapSequence(key, frameCount, 2), mFrameHeight(frameHeight)
{
}

CPoint CVerticalFilmStrip::GetFrameSizeIn(std::int32_t bitmapWidth, std::int32_t) const
{
    return CPoint(bitmapWidth, mFrameHeight);
}

void CVerticalFilmStrip::GetFrameRect(CRect& frame, std::int32_t bitmapWidth, std::int32_t bitmapHeight,
                                      std::uint16_t index) const
{
    const std::int32_t gap = (bitmapHeight - mFrameHeight * GetFrameCount()) / (GetFrameCount() - 1);
    SetFrame(frame, 0, (mFrameHeight + gap) * index, bitmapWidth, mFrameHeight);
}

} // namespace NSTramvell
