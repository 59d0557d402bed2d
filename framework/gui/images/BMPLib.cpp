#include "framework/gui/images/BMPLib.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/gui/drawing/Palette.h"
#include "framework/gui/images/BMPFormat.h"
#include "framework/gui/images/BitmapKey.h"
#include "framework/gui/images/ScanLineWriter.h"

#include <vector>

namespace NSTramvell {
namespace {

class CWriterRows : public IBMPRowReceiver
{
public:
    explicit CWriterRows(CABCScanLineWriter& writer) : mWriter(writer) {}
    void BeginPicture(std::int32_t width, std::int32_t height) override { mWriter.Begin(width, height); }
    void ReceiveBGRRow(std::int32_t row, std::int32_t width, const std::uint8_t* bytes) override
    {
        mWriter.WriteBGRRow(row, width, bytes);
    }

private:
    CABCScanLineWriter& mWriter;   // borrowed for one read
};

std::unique_ptr<COwnedMemoryMedia> LoadResourceMedia(const CResourceType& type, const CBitmapKey& key)
{
    CABCCodeModule* module = CABCCodeModule::GetCurrent();
    if (module == nullptr)
        throw XBase();
    return module->GetResourceFile().LoadResource(type, key.GetResourceId());
}

template <typename TWriter, typename TBitmap, typename... TArguments>
std::unique_ptr<COSBitmap> ReadWith(CImageLib& library, CMedia& media, TArguments&... arguments)
{
    TWriter writer(arguments...);
    library.Read(media, writer);
    return writer.template TakeBitmapAs<TBitmap>();
}

} // namespace

CImageLib::~CImageLib() = default;

std::unique_ptr<CBitmap8> CImageLib::ReadToBitmap8(const CScreenPalette& screen, CMedia& media)
{
    C8NoDitherScanLineWriter writer(screen);
    Read(media, writer);
    return writer.TakeBitmapAs<CBitmap8>();
}

void CImageLib::Write(COSBitmap&, CMedia&) {}

void CImageLib::ReadResource(CABCScanLineWriter& writer, const CResourceType& type, const CBitmapKey& key)
{
    const std::unique_ptr<COwnedMemoryMedia> media = LoadResourceMedia(type, key);
    Read(*media, writer);
}

std::unique_ptr<CBitmap8> CImageLib::ReadResourceToBitmap8(const CScreenPalette& screen, const CResourceType& type,
                                                           const CBitmapKey& key)
{
    const std::unique_ptr<COwnedMemoryMedia> media = LoadResourceMedia(type, key);
    return ReadToBitmap8(screen, *media);
}

std::unique_ptr<COSBitmap> CImageLib::ReadResourceForScreen(const CScreenPalette& screen, const CResourceType& type,
                                                            const CBitmapKey& key)
{
    const std::unique_ptr<COwnedMemoryMedia> media = LoadResourceMedia(type, key);
    return ReadForScreen(screen, *media);
}

std::unique_ptr<COSBitmap> CImageLib::ReadForScreen(const CScreenPalette& screen, CMedia& media)
{
    switch (screen.GetDepth()) {
    case 8:
        return ReadToBitmap8(screen, media);
    case 16:
        return ReadWith<C16ErrorDiffusionScanLineWriter, CBitmap16>(*this, media);
    default:
        return ReadWith<C32ScanLineWriter, CBitmap32>(*this, media);
    }
}

void CBMPLib::Read(CMedia& media, CABCScanLineWriter& writer)
{
    CWriterRows rows(writer);
    ReadBMP(media, rows);
}

void CBMPLib::Write(COSBitmap& bitmap, CMedia& media)
{
    std::vector<std::uint32_t> paletteRGB;
    if (const auto* eightBit = dynamic_cast<const CBitmap8*>(&bitmap)) {
        for (const CColor& color : eightBit->GetColors())
            paletteRGB.push_back(MakeRGB(color.GetRed(), color.GetGreen(), color.GetBlue()));
    }
    CPixelReadAccess access(bitmap);
    WriteBMP(media, access.GetRows(), paletteRGB.empty() ? nullptr : paletteRGB.data());
}

CBMPLib& GetBMPLib()
{
    static CBMPLib library;
    return library;
}

const CResourceType& CBMPLib::GetResourceType() const
{
    static const CResourceType type("BMPF");
    return type;
}

} // namespace NSTramvell
