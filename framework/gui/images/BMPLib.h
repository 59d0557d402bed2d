#pragma once

// Image libraries turn stored pictures into scan-line writer rows and back; CBMPLib does so for 24-bit
// BMP data. The program's one CBMPLib reads every "BMPF" bitmap resource for the bitmap fetcher.

#include "framework/foundation/strings/RulingString.h"
#include "framework/gui/images/Bitmap.h"

#include <memory>

namespace NSTramvell {

class CBitmapKey;
class CABCScanLineWriter;
class CMedia;
class CScreenPalette;

class CImageLib
{
public:
    virtual ~CImageLib();
    // Reads one picture from the media's current position into the writer.
    virtual void Read(CMedia& media, CABCScanLineWriter& writer) = 0;
    // The picture as an 8-bit bitmap over the screen's colours.
    virtual std::unique_ptr<CBitmap8> ReadToBitmap8(const CScreenPalette& screen, CMedia& media);
    virtual void Write(COSBitmap& bitmap, CMedia& media);

    // The resource of the type and the key's id from the current code module's resource file. Media
    // errors and a missing resource pass on; nothing half made is left behind.
    void ReadResource(CABCScanLineWriter& writer, const CResourceType& type, const CBitmapKey& key);
    std::unique_ptr<CBitmap8> ReadResourceToBitmap8(const CScreenPalette& screen, const CResourceType& type,
                                                    const CBitmapKey& key);
    std::unique_ptr<COSBitmap> ReadResourceForScreen(const CScreenPalette& screen, const CResourceType& type,
                                                     const CBitmapKey& key);
    // A bitmap in the screen's format: 8-bit over its colours, 16-bit with error diffusion, and 32-bit
    // for every other depth (24, 32, and what a failed or odd query reports), never none.
    std::unique_ptr<COSBitmap> ReadForScreen(const CScreenPalette& screen, CMedia& media);
};

class CBMPLib : public CImageLib
{
public:
    // XBadFormat or XUnsupportedFormat before the writer sees anything (see ReadBMP).
    void Read(CMedia& media, CABCScanLineWriter& writer) override;
    // An 8-bit bitmap through its own colours; depths other than 8, 16 and 32 throw XUnsupportedFormat.
    void Write(COSBitmap& bitmap, CMedia& media) override;
    // "BMPF", the type of the program's bitmap resources.
    const CResourceType& GetResourceType() const;
};

// The program's BMP library.
CBMPLib& GetBMPLib();

} // namespace NSTramvell
