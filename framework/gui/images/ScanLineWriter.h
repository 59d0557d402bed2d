#pragma once

// Scan-line writers turn the rows an image library decodes into a bitmap of one kind: Begin makes the
// target and opens write access to it, the rows arrive in any of four layouts (a writer ignores the
// layouts it does not take), and the caller takes the finished bitmap. A writer owns its target until
// then and deletes it when destroyed first. Rows are not checked: each lies below the height and holds
// no more pixels than the width given to Begin.

#include "framework/gui/images/Bitmap.h"
#include "framework/gui/images/RowConversion.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace NSTramvell {

class CScreenPalette;

class CABCScanLineWriter
{
public:
    CABCScanLineWriter() = default;
    virtual ~CABCScanLineWriter();
    CABCScanLineWriter(const CABCScanLineWriter&) = delete;
    CABCScanLineWriter& operator=(const CABCScanLineWriter&) = delete;

    // The three colour layouts go to WriteColorRow.
    virtual void WriteRGBRow(std::int32_t y, std::int32_t count, const std::uint8_t* source)
    {
        WriteColorRow(y, count, source, ESourceLayout::kRGB);
    }
    virtual void WriteBGRRow(std::int32_t y, std::int32_t count, const std::uint8_t* source)
    {
        WriteColorRow(y, count, source, ESourceLayout::kBGR);
    }
    virtual void WriteRGBXRow(std::int32_t y, std::int32_t count, const std::uint8_t* source)
    {
        WriteColorRow(y, count, source, ESourceLayout::kRGBX);
    }
    virtual void WriteIndexRow(std::int32_t, std::int32_t, const std::uint8_t*) {}

    // Exceptions from making the target pass on; the writer then has none.
    void Begin(std::int32_t width, std::int32_t height);
    std::int32_t GetWidth() const;
    std::int32_t GetHeight() const;
    // Closes the write access and hands the target over.
    std::unique_ptr<COSBitmap> TakeBitmap();
    // The target as its own class; null (and the target kept) when it is not one.
    template <typename TBitmap>
    std::unique_ptr<TBitmap> TakeBitmapAs()
    {
        if (dynamic_cast<TBitmap*>(mTarget.get()) == nullptr)
            return nullptr;
        return std::unique_ptr<TBitmap>(static_cast<TBitmap*>(TakeBitmap().release()));
    }

protected:
    virtual std::unique_ptr<COSBitmap> CreateTarget(std::int32_t width, std::int32_t height) = 0;
    // Converts one row of colours; ignored unless a writer takes colour rows.
    virtual void WriteColorRow(std::int32_t, std::int32_t, const std::uint8_t*, ESourceLayout) {}
    std::uint8_t* GetRow(std::int32_t y) const { return mPixels + static_cast<std::int64_t>(y) * mBytesPerRow; }

private:
    void CloseAccess() noexcept;

    std::unique_ptr<COSBitmap> mTarget;
    std::uint8_t* mPixels = nullptr;   // open write access to mTarget while set
    std::int32_t mBytesPerRow = 0;
};

// 8 bits: each colour becomes the nearest of the screen's 256 colours, without dithering.
class C8NoDitherScanLineWriter : public CABCScanLineWriter
{
public:
    explicit C8NoDitherScanLineWriter(const CScreenPalette& screen);   // borrowed: outlives the writer
    void WriteIndexRow(std::int32_t y, std::int32_t count, const std::uint8_t* source) override;

protected:
    // XBase when the screen has other than 256 colours.
    std::unique_ptr<COSBitmap> CreateTarget(std::int32_t width, std::int32_t height) override;
    void WriteColorRow(std::int32_t y, std::int32_t count, const std::uint8_t* source, ESourceLayout layout) override;

private:
    const CScreenPalette& mScreen;
    std::vector<std::uint32_t> mPaletteRGB;
};

class C16ScanLineWriter : public CABCScanLineWriter
{
protected:
    std::unique_ptr<COSBitmap> CreateTarget(std::int32_t width, std::int32_t height) override;
    void WriteColorRow(std::int32_t y, std::int32_t count, const std::uint8_t* source, ESourceLayout layout) override;
};

class C16ErrorDiffusionScanLineWriter : public CABCScanLineWriter
{
protected:
    std::unique_ptr<COSBitmap> CreateTarget(std::int32_t width, std::int32_t height) override;
    void WriteColorRow(std::int32_t y, std::int32_t count, const std::uint8_t* source, ESourceLayout layout) override;

private:
    CErrorDiffusion16 mDiffusion;   // this writer's own, cleared for each target
};

// 32 bits with a fourth byte of 0.
class C32ScanLineWriter : public CABCScanLineWriter
{
protected:
    std::unique_ptr<COSBitmap> CreateTarget(std::int32_t width, std::int32_t height) override;
    void WriteColorRow(std::int32_t y, std::int32_t count, const std::uint8_t* source, ESourceLayout layout) override;
};

// 32 bits with alpha: 255 for three-byte sources, the fourth byte of four-byte ones.
class CRGBAScanLineWriter : public CABCScanLineWriter
{
protected:
    std::unique_ptr<COSBitmap> CreateTarget(std::int32_t width, std::int32_t height) override;
    void WriteColorRow(std::int32_t y, std::int32_t count, const std::uint8_t* source, ESourceLayout layout) override;
};

// A CMaskedBitmap whose mask the caller builds afterwards.
class CMaskedScanLineWriter : public C32ScanLineWriter
{
protected:
    std::unique_ptr<COSBitmap> CreateTarget(std::int32_t width, std::int32_t height) override;
};

} // namespace NSTramvell
