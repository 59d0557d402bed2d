#include "framework/gui/images/NativeBitmap.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/Palette.h"

#include <cstring>

namespace NSTramvell {
namespace {

constexpr std::size_t kPaletteSize = 256;

// The header and room for the largest colour table.
struct CBitmapDescription
{
    BITMAPINFOHEADER header;
    RGBQUAD colors[kPaletteSize];
};

CBitmapDescription Describe(std::int32_t width, std::int32_t height, std::int32_t depth)
{
    CBitmapDescription description;
    std::memset(&description, 0, sizeof description);
    description.header.biSize = sizeof(BITMAPINFOHEADER);
    description.header.biWidth = width;
    description.header.biHeight = -height;  // top row first
    description.header.biPlanes = 1;
    description.header.biBitCount = static_cast<WORD>(depth);
    description.header.biCompression = BI_RGB;
    if (depth == 1)
        description.colors[1] = RGBQUAD{255, 255, 255, 0};
    return description;
}

// A memory context like the screen's; the screen context goes back on every path.
HDC MakeContext()
{
    CWindowTable& table = GetWindowTable();
    HDC screen = table.GetDC(nullptr);
    HDC context = screen != nullptr ? table.CreateCompatibleDC(screen) : nullptr;
    if (screen != nullptr)
        table.ReleaseDC(nullptr, screen);
    if (context == nullptr)
        throw XOutOfMemory();
    return context;
}

// Drawing in the context stays inside the bitmap.
void ClipToBitmap(HDC context, std::int32_t width, std::int32_t height)
{
    CWindowTable& table = GetWindowTable();
    HRGN region = table.CreateRectRgn(0, 0, width, height);
    if (region == nullptr)
        throw XOutOfMemory();
    table.SelectClipRgn(context, region);
    table.DeleteObject(region);
}

HBITMAP MakeSection(HDC context, const CBitmapDescription& description, std::uint8_t*& pixels)
{
    void* bits = nullptr;
    HBITMAP handle = GetWindowTable().CreateDIBSection(context, reinterpret_cast<const BITMAPINFO*>(&description),
                                                       DIB_RGB_COLORS, &bits, nullptr, 0);
    if (handle == nullptr)
        throw XOutOfMemory();
    pixels = static_cast<std::uint8_t*>(bits);
    return handle;
}

HGDIOBJ SelectBitmap(HDC context, HBITMAP handle)
{
    HGDIOBJ replaced = GetWindowTable().SelectObject(context, handle);
    if (replaced == nullptr)
        throw XOutOfMemory();
    return replaced;
}

} // namespace

CWinABCBitmap::~CWinABCBitmap() = default;

void CWinSectionBitmap::ReleaseSection() noexcept
{
    if (mContext == nullptr)
        return;
    CWindowTable& table = GetWindowTable();
    if (mHandle != nullptr) {
        if (mReplaced != nullptr)
            table.SelectObject(mContext, mReplaced);
        table.DeleteObject(mHandle);
    }
    table.DeleteDC(mContext);
    mContext = nullptr;
    mHandle = nullptr;
    mReplaced = nullptr;
    mPixels = nullptr;
}

CWinDirectBitmap::CWinDirectBitmap(std::int32_t width, std::int32_t height, std::int32_t depth)
{
    mContext = MakeContext();
    try {
        ClipToBitmap(mContext, width, height);
        mHandle = MakeSection(mContext, Describe(width, height, depth), mPixels);
        mReplaced = SelectBitmap(mContext, mHandle);
    } catch (...) {
        ReleaseSection();
        throw;
    }
}

CWinDirectBitmap::~CWinDirectBitmap()
{
    ReleaseSection();
}

CWinBitmap8::CWinBitmap8(std::int32_t width, std::int32_t height, const std::vector<CColor>& colors)
{
    if (colors.size() != kPaletteSize)
        throw XBase();
    mContext = MakeContext();
    try {
        ClipToBitmap(mContext, width, height);
        mPalette = std::make_unique<CNativePalette>(colors);
        CBitmapDescription description = Describe(width, height, 8);
        for (std::size_t i = 0; i < kPaletteSize; ++i)
            description.colors[i] = RGBQUAD{colors[i].GetBlue(), colors[i].GetGreen(), colors[i].GetRed(), 0};
        CWindowTable& table = GetWindowTable();
        mReplacedPalette = table.SelectPalette(mContext, mPalette->GetHandle(), TRUE);
        if (mReplacedPalette == nullptr)
            throw XBase();
        table.RealizePalette(mContext);
        mHandle = MakeSection(mContext, description, mPixels);
        mReplaced = SelectBitmap(mContext, mHandle);
    } catch (...) {
        Release();
        throw;
    }
}

CWinBitmap8::~CWinBitmap8()
{
    Release();
}

void CWinBitmap8::Release() noexcept
{
    if (mContext == nullptr)
        return;
    if (mReplacedPalette != nullptr)
        GetWindowTable().SelectPalette(mContext, mReplacedPalette, TRUE);
    mReplacedPalette = nullptr;
    mPalette.reset();
    ReleaseSection();
}

} // namespace NSTramvell
