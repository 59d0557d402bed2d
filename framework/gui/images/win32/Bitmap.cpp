#include "framework/gui/images/Bitmap.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/CanvasDrawingState.h"
#include "framework/gui/drawing/Palette.h"
#include "framework/gui/images/ImageOperations.h"

#include <cstdlib>

namespace NSTramvell {
namespace {

constexpr DWORD kSourceCopy = 0xCC0020;
constexpr DWORD kSourceAnd = 0x8800C6;
constexpr DWORD kSourcePaint = 0xEE0086;

CImageLayout ReadLayout(const CWinABCBitmap& native)
{
    DIBSECTION section{};
    GetWindowTable().GetObjectA(native.GetHandle(), sizeof section, &section);
    const std::int32_t width = section.dsBmih.biWidth;
    const std::int32_t depth = section.dsBmih.biBitCount;
    return {width, std::abs(section.dsBmih.biHeight), static_cast<std::int32_t>(GetRowBytes(width, depth, 4)), depth};
}

// The canvas's context, with black as its text colour: a 1-bit source copies through the text colour.
HDC PrepareCanvas(CABCCanvas& canvas)
{
    CCanvasDrawingState* state = canvas.GetContext();
    if (state == nullptr)
        throw XOutOfMemory();
    if (!(state->GetTextColor() == kColorBlack)) {
        state->SetTextColor(kColorBlack);
        state->ApplyTextColor();
    }
    return state->GetHandle();
}

void Copy(HDC target, std::int32_t dstX, std::int32_t dstY, std::int32_t width, std::int32_t height, HDC source,
          std::int32_t srcX, std::int32_t srcY, DWORD operation)
{
    GetWindowTable().BitBlt(target, dstX, dstY, width, height, source, srcX, srcY, operation);
}

} // namespace

COSBitmap::COSBitmap(std::unique_ptr<CWinABCBitmap> native)
    : mNative(std::move(native)), mLayout(ReadLayout(*mNative))
{
}

COSBitmap::~COSBitmap() = default;

void COSBitmap::Draw(CABCCanvas& canvas, std::int32_t dstX, std::int32_t dstY, std::int32_t srcX,
                     std::int32_t srcY, std::int32_t width, std::int32_t height)
{
    Copy(PrepareCanvas(canvas), dstX, dstY, width, height, mNative->GetContext(), srcX, srcY, kSourceCopy);
}

std::uint8_t* COSBitmap::LockPixels()
{
    if (mWriteAccessCount == 0)
        GetWindowTable().GdiFlush();
    ++mWriteAccessCount;
    return mNative->GetPixels();
}

void COSBitmap::UnlockPixels(std::uint8_t*& pixels)
{
    pixels = nullptr;
    --mWriteAccessCount;
}

const std::uint8_t* COSBitmap::LockPixelsConst()
{
    if (mReadAccessCount == 0)
        GetWindowTable().GdiFlush();
    ++mReadAccessCount;
    return mNative->GetPixelsConst();
}

void COSBitmap::UnlockPixelsConst(const std::uint8_t*& pixels)
{
    pixels = nullptr;
    --mReadAccessCount;
}

void COSBitmap::InvertPixels()
{
    CPixelWriteAccess access(*this);
    InvertPixelBytes(access.GetRows());
}

CPixelReadAccess::CPixelReadAccess(COSBitmap& bitmap)
    : mBitmap(bitmap), mPixels(bitmap.LockPixelsConst()), mRows{const_cast<std::uint8_t*>(mPixels), bitmap.GetLayout()}
{
}

CPixelReadAccess::~CPixelReadAccess()
{
    mBitmap.UnlockPixelsConst(mPixels);
}

CBitmap1::CBitmap1(std::int32_t width, std::int32_t height)
    : COSBitmap(std::make_unique<CWinDirectBitmap>(width, height, 1))
{
}

CBitmap8::CBitmap8(std::int32_t width, std::int32_t height, const std::vector<CColor>& colors)
    : COSBitmap(std::make_unique<CWinBitmap8>(width, height, colors)), mColors(colors)
{
}

void CBitmap8::SwapBlackAndWhite()
{
    CPixelWriteAccess access(*this);
    SwapBlackAndWhite8(access.GetRows());
}

CBitmap16::CBitmap16(std::int32_t width, std::int32_t height)
    : COSBitmap(std::make_unique<CWinDirectBitmap>(width, height, 16))
{
}

CBitmap32::CBitmap32(std::int32_t width, std::int32_t height)
    : COSBitmap(std::make_unique<CWinDirectBitmap>(width, height, 32))
{
}

void CBitmap32::SetAlpha(std::uint8_t alpha)
{
    CPixelWriteAccess access(*this);
    SetAlphaBytes(access.GetRows(), alpha);
}

CMaskedBitmap::CMaskedBitmap(std::int32_t width, std::int32_t height) : CBitmap32(width, height) {}

void CMaskedBitmap::Draw(CABCCanvas& canvas, std::int32_t dstX, std::int32_t dstY, std::int32_t srcX,
                         std::int32_t srcY, std::int32_t width, std::int32_t height)
{
    if (mMask == nullptr) {
        COSBitmap::Draw(canvas, dstX, dstY, srcX, srcY, width, height);
        return;
    }
    HDC target = PrepareCanvas(canvas);
    CWindowTable& table = GetWindowTable();
    // The mask's 1-bits copy as white (keep the destination), its 0-bits as black (clear it).
    const COLORREF formerBackground = table.SetBkColor(target, RGB(255, 255, 255));
    Copy(target, dstX, dstY, width, height, mMask->GetNativeBitmap().GetContext(), srcX, srcY, kSourceAnd);
    Copy(target, dstX, dstY, width, height, GetNativeBitmap().GetContext(), srcX, srcY, kSourcePaint);
    table.SetBkColor(target, formerBackground);
}

void CMaskedBitmap::SetMask(const CColor& color)
{
    if (mMask == nullptr)
        mMask = std::make_unique<CBitmap1>(GetLayout().width, GetLayout().height);
    CPixelWriteAccess picture(*this);
    CPixelWriteAccess mask(*mMask);
    MarkColorInMask(picture.GetRows(), mask.GetRows(), MakeRGB(color.GetRed(), color.GetGreen(), color.GetBlue()));
}

CAlphaBitmap32::CAlphaBitmap32(std::int32_t width, std::int32_t height) : CBitmap32(width, height) {}

void CAlphaBitmap32::Draw(CABCCanvas& canvas, std::int32_t dstX, std::int32_t dstY, std::int32_t srcX,
                          std::int32_t srcY, std::int32_t width, std::int32_t height)
{
    auto* target = dynamic_cast<CBitmap32*>(canvas.GetTargetBitmap());
    if (target == nullptr) {
        COSBitmap::Draw(canvas, dstX, dstY, srcX, srcY, width, height);
        return;
    }
    const CPoint origin = canvas.GetOrigin();
    CPixelWriteAccess destination(*target);
    CPixelReadAccess source(*this);
    AlphaBlendPixels(destination.GetRows(), dynamic_cast<CAlphaBitmap32*>(target) != nullptr,
                     dstX - origin.GetX(), dstY - origin.GetY(), source.GetRows(), srcX, srcY, width, height);
}

std::unique_ptr<COSBitmap> CreateBitmap(std::int32_t width, std::int32_t height, std::int32_t depth)
{
    if (depth == 16)
        return std::make_unique<CBitmap16>(width, height);
    return std::make_unique<CBitmap32>(width, height);
}

std::unique_ptr<COSBitmap> CreateBitmapOfDepth(std::int32_t width, std::int32_t height, const CScreenPalette& screen)
{
    if (screen.GetDepth() == 8)
        return std::make_unique<CBitmap8>(width, height, screen.GetColors());
    return CreateBitmap(width, height, screen.GetDepth());
}

} // namespace NSTramvell
