#include "framework/gui/images/ScanLineWriter.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/drawing/Palette.h"

#include <cstring>

namespace NSTramvell {

CABCScanLineWriter::~CABCScanLineWriter()
{
    CloseAccess();
}

void CABCScanLineWriter::Begin(std::int32_t width, std::int32_t height)
{
    CloseAccess();
    mTarget.reset();
    std::unique_ptr<COSBitmap> target = CreateTarget(width, height);
    mBytesPerRow = target->GetLayout().bytesPerRow;
    mPixels = target->LockPixels();
    mTarget = std::move(target);
}

std::int32_t CABCScanLineWriter::GetWidth() const
{
    return mTarget != nullptr ? mTarget->GetLayout().width : 0;
}

std::int32_t CABCScanLineWriter::GetHeight() const
{
    return mTarget != nullptr ? mTarget->GetLayout().height : 0;
}

std::unique_ptr<COSBitmap> CABCScanLineWriter::TakeBitmap()
{
    CloseAccess();
    return std::move(mTarget);
}

void CABCScanLineWriter::CloseAccess() noexcept
{
    if (mPixels != nullptr)
        mTarget->UnlockPixels(mPixels);
}

C8NoDitherScanLineWriter::C8NoDitherScanLineWriter(const CScreenPalette& screen) : mScreen(screen) {}

std::unique_ptr<COSBitmap> C8NoDitherScanLineWriter::CreateTarget(std::int32_t width, std::int32_t height)
{
    const std::vector<CColor>& colors = mScreen.GetColors();
    if (colors.size() != 256)
        throw XBase();
    mPaletteRGB.clear();
    for (const CColor& color : colors)
        mPaletteRGB.push_back(MakeRGB(color.GetRed(), color.GetGreen(), color.GetBlue()));
    return std::make_unique<CBitmap8>(width, height, colors);
}

void C8NoDitherScanLineWriter::WriteColorRow(std::int32_t y, std::int32_t count, const std::uint8_t* source,
                                             ESourceLayout layout)
{
    ConvertRowToIndex8(GetRow(y), count, source, layout, mPaletteRGB.data());
}

void C8NoDitherScanLineWriter::WriteIndexRow(std::int32_t y, std::int32_t count, const std::uint8_t* source)
{
    std::memcpy(GetRow(y), source, static_cast<std::size_t>(count));
}

std::unique_ptr<COSBitmap> C16ScanLineWriter::CreateTarget(std::int32_t width, std::int32_t height)
{
    return std::make_unique<CBitmap16>(width, height);
}

void C16ScanLineWriter::WriteColorRow(std::int32_t y, std::int32_t count, const std::uint8_t* source,
                                      ESourceLayout layout)
{
    ConvertRowTo16(GetRow(y), count, source, layout);
}

std::unique_ptr<COSBitmap> C16ErrorDiffusionScanLineWriter::CreateTarget(std::int32_t width, std::int32_t height)
{
    auto target = std::make_unique<CBitmap16>(width, height);
    mDiffusion.Reset(width);
    return target;
}

void C16ErrorDiffusionScanLineWriter::WriteColorRow(std::int32_t y, std::int32_t count, const std::uint8_t* source,
                                                    ESourceLayout layout)
{
    mDiffusion.ConvertRow(GetRow(y), count, source, layout);
}

std::unique_ptr<COSBitmap> C32ScanLineWriter::CreateTarget(std::int32_t width, std::int32_t height)
{
    return std::make_unique<CBitmap32>(width, height);
}

void C32ScanLineWriter::WriteColorRow(std::int32_t y, std::int32_t count, const std::uint8_t* source,
                                      ESourceLayout layout)
{
    ConvertRowTo32(GetRow(y), count, source, layout, false);
}

std::unique_ptr<COSBitmap> CRGBAScanLineWriter::CreateTarget(std::int32_t width, std::int32_t height)
{
    return std::make_unique<CAlphaBitmap32>(width, height);
}

void CRGBAScanLineWriter::WriteColorRow(std::int32_t y, std::int32_t count, const std::uint8_t* source,
                                        ESourceLayout layout)
{
    ConvertRowTo32(GetRow(y), count, source, layout, true);
}

std::unique_ptr<COSBitmap> CMaskedScanLineWriter::CreateTarget(std::int32_t width, std::int32_t height)
{
    return std::make_unique<CMaskedBitmap>(width, height);
}

} // namespace NSTramvell
