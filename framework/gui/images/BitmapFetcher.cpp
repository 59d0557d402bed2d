#include "framework/gui/images/BitmapFetcher.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/gui/images/BMPLib.h"
#include "framework/gui/images/BitmapOperations.h"
#include "framework/gui/images/ScanLineWriter.h"

namespace NSTramvell {
namespace {

std::unique_ptr<COwnedMemoryMedia> LoadBitmapResource(std::uint16_t resourceId)
{
    CABCCodeModule* module = CABCCodeModule::GetCurrent();
    if (module == nullptr)
        throw XBase();
    return module->GetResourceFile().LoadResource(GetBMPLib().GetResourceType(), resourceId);
}

// The bottom-left colour turns transparent; a tint then colours what stays opaque, not the black left
// where the mask is (nor black pixels of the picture itself).
void MaskAndTint(CMaskedBitmap& bitmap, const CBitmapKey& key)
{
    CColor corner;
    GetCornerColor(corner, bitmap);
    bitmap.SetMask(corner);
    if (!key.HasTintColor())
        return;
    GetCornerColor(corner, bitmap);
    const std::uint32_t tint = key.GetTintRGB();
    TintImage(bitmap, corner, CColor(GetRedOf(tint), GetGreenOf(tint), GetBlueOf(tint)));
}

} // namespace

CCachingBitmapFetcher::CCachingBitmapFetcher() : CCachingBitmapFetcher(GetBMPLib(), LoadBitmapResource) {}

CCachingBitmapFetcher::CCachingBitmapFetcher(CImageLib& library, CPictureLoader loader)
    : mLibrary(library), mLoader(std::move(loader))
{
}

CCachingBitmapFetcher::~CCachingBitmapFetcher() = default;

void CCachingBitmapFetcher::ReleaseBitmap(const CBitmapKey& key)
{
    mCache.Remove(key);
}

CABCImage* CCachingBitmapFetcher::FetchBitmap(const CScreenPalette& screen, const CBitmapKey& key)
{
    if (CABCImage* cached = mCache.Find(key))
        return cached;
    std::unique_ptr<CABCImage> made = MakeBitmap(screen, key);
    // A library that read no picture has given the writer nothing to hand over.
    if (made == nullptr)
        throw XBadFormat();
    CABCImage* bitmap = made.get();
    mCache.Add(std::move(made), key);
    return bitmap;
}

std::unique_ptr<CABCImage> CCachingBitmapFetcher::MakeBitmap(const CScreenPalette& screen, const CBitmapKey& key)
{
    const std::unique_ptr<COwnedMemoryMedia> media = mLoader(key.GetResourceId());
    if (key.Is32Bit()) {
        C32ScanLineWriter writer;
        mLibrary.Read(*media, writer);
        return writer.TakeBitmapAs<CBitmap32>();
    }
    if (key.IsMasked()) {
        CMaskedScanLineWriter writer;
        mLibrary.Read(*media, writer);
        std::unique_ptr<CMaskedBitmap> bitmap = writer.TakeBitmapAs<CMaskedBitmap>();
        if (bitmap != nullptr)
            MaskAndTint(*bitmap, key);
        return bitmap;
    }
    return mLibrary.ReadForScreen(screen, *media);
}

} // namespace NSTramvell
